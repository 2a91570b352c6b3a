// Draws the launcher's artwork at build time: the background photograph of
// the install window (a winter landscape at dusk), the banner of the
// agreement window and the program icon. Writes 24-bit BMP files and an ICO;
// the build turns the background into a JPEG.
//
//   artwork_generator <output folder>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgb {
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

class Image {
public:
    Image(int w, int h) : w_(w), h_(h), px_(static_cast<size_t>(w) * h, Rgb{0, 0, 0}) {}
    int width() const { return w_; }
    int height() const { return h_; }
    Rgb& at(int x, int y) { return px_[static_cast<size_t>(y) * w_ + x]; }
    const Rgb& at(int x, int y) const { return px_[static_cast<size_t>(y) * w_ + x]; }

private:
    int w_, h_;
    std::vector<Rgb> px_;
};

// Deterministic hash noise, so every build draws the same picture.
double hash2(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double valueNoise(double x, double y, int seed) {
    int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
    double fx = x - xi, fy = y - yi;
    auto s = [](double t) { return t * t * (3 - 2 * t); };
    double a = hash2(xi, yi, seed), b = hash2(xi + 1, yi, seed);
    double c = hash2(xi, yi + 1, seed), d = hash2(xi + 1, yi + 1, seed);
    double u = s(fx), v = s(fy);
    return a + (b - a) * u + (c - a) * v + (a - b - c + d) * u * v;
}

double fbm(double x, double y, int seed, int octaves = 5) {
    double sum = 0, amp = 0.5, freq = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x * freq, y * freq, seed + i * 31);
        amp *= 0.5;
        freq *= 2.03;
    }
    return sum;
}

std::uint8_t channel(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

bool writeBmp(const Image& img, const std::string& path) {
    int w = img.width(), h = img.height();
    int stride = (w * 3 + 3) & ~3;
    std::uint32_t dataSize = static_cast<std::uint32_t>(stride) * h;
    std::vector<std::uint8_t> out(54 + dataSize, 0);
    auto put16 = [&](size_t at, std::uint16_t v) { out[at] = v & 0xFF; out[at + 1] = v >> 8; };
    auto put32 = [&](size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out[at + i] = (v >> (8 * i)) & 0xFF;
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, static_cast<std::uint32_t>(out.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h));
    put16(26, 1);
    put16(28, 24);
    put32(34, dataSize);
    put32(38, 3780);  // 96 dots per inch
    put32(42, 3780);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* row = out.data() + 54 + static_cast<size_t>(h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            const Rgb& p = img.at(x, y);
            row[x * 3] = channel(p.b);
            row[x * 3 + 1] = channel(p.g);
            row[x * 3 + 2] = channel(p.r);
        }
    }
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(f);
}

// Winter landscape at dusk: warm sky, low sun, three mountain ridges, a
// wooded hill and a snow field, with a little grain as in a real photograph.
Image drawBackground(int w, int h) {
    Image img(w, h);
    const Rgb skyTop{38, 62, 120}, skyMid{150, 120, 170}, skyLow{250, 178, 120};
    const double sunX = w * 0.30, sunY = h * 0.50;
    auto ridge = [&](double x, double base, double amp, double scale, int seed) {
        return h * base - amp * h * (fbm(x / w * scale, 0.5, seed) - 0.3);
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double t = double(y) / (h * 0.62);
            Rgb c = t < 0.55 ? mix(skyTop, skyMid, t / 0.55) : mix(skyMid, skyLow, (t - 0.55) / 0.45);
            double d = std::hypot(x - sunX, (y - sunY) * 1.3) / w;
            c = mix(c, Rgb{255, 236, 190}, std::exp(-d * 9) * 0.9);
            if (d < 0.035) c = mix(c, Rgb{255, 250, 235}, 0.9);
            // Thin clouds in the sky.
            double cloud = fbm(x / 90.0, y / 22.0, 7);
            c = mix(c, Rgb{255, 210, 190}, std::max(0.0, cloud - 0.55) * 1.2 * (1 - t));

            double far = ridge(x, 0.50, 0.30, 3.0, 11);
            double mid = ridge(x, 0.60, 0.26, 4.5, 23);
            double near = ridge(x, 0.70, 0.18, 2.5, 37);
            if (y > far) c = mix(Rgb{120, 118, 165}, Rgb{175, 150, 175}, (y - far) / (h * 0.2));
            if (y > mid) {
                double snow = fbm(x / 18.0, y / 18.0, 41);
                c = mix(Rgb{78, 84, 128}, Rgb{200, 200, 225}, snow * 0.8 - (y - mid) / h);
            }
            if (y > near) {
                double shade = (y - near) / (h - near + 1);
                Rgb snowLit = mix(Rgb{235, 228, 238}, Rgb{255, 232, 215}, 1 - x / double(w));
                c = mix(snowLit, Rgb{150, 165, 205}, shade * 0.6 + fbm(x / 40.0, y / 9.0, 53) * 0.35);
            }
            img.at(x, y) = c;
        }
    }
    // Pine trees along the near ridge.
    for (int i = 0; i < 46; ++i) {
        double tx = hash2(i, 1, 99) * w;
        double base = ridge(tx, 0.70, 0.18, 2.5, 37) + 3 + hash2(i, 2, 99) * 16;
        double th = h * (0.10 + hash2(i, 3, 99) * 0.14);
        double tw = th * 0.34;
        for (int y = std::max(0, int(base - th)); y < std::min(h, int(base)); ++y) {
            double k = (y - (base - th)) / th;
            double tier = std::fmod(k * 4, 1.0);
            double half = tw * (0.25 + 0.75 * k) * (0.55 + 0.45 * tier) / 2;
            for (int x = std::max(0, int(tx - half)); x <= std::min(w - 1, int(tx + half)); ++x) {
                double edge = std::abs(x - tx) / (half + 0.5);
                Rgb pine = mix(Rgb{22, 38, 44}, Rgb{48, 62, 70}, edge);
                img.at(x, y) = mix(img.at(x, y), pine, 0.92);
            }
        }
    }
    // Grain and a soft vignette.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double g = (hash2(x, y, 5) - 0.5) * 10;
            double vx = (x - w / 2.0) / w, vy = (y - h / 2.0) / h;
            double v = 1 - 0.35 * (vx * vx + vy * vy) * 2;
            Rgb& p = img.at(x, y);
            p = {p.r * v + g, p.g * v + g, p.b * v + g};
        }
    return img;
}

// A light banner: pale paper on the right where the title labels sit, a band
// of warm fur-coloured strokes on the left that fades into it.
Image drawBanner(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double t = double(x) / w;
            Rgb paper = mix(Rgb{255, 250, 240}, Rgb{236, 242, 252}, t);
            double fur = fbm(x / 3.0, y / 26.0 + x / 60.0, 3, 4);
            Rgb furColour = mix(Rgb{120, 70, 30}, Rgb{230, 160, 80}, fur);
            double weight = std::clamp(1.2 - t * 2.4, 0.0, 1.0);
            Rgb c = mix(paper, furColour, weight * (0.75 + 0.25 * fur));
            if (y >= h - 3) c = mix(c, Rgb{255, 128, 0}, 0.85);  // an orange rule along the bottom
            img.at(x, y) = c;
        }
    return img;
}

// The icon: a compact disc with an orange label ring.
std::vector<std::uint8_t> drawIconImage(int size) {
    // BITMAPINFOHEADER, bottom-up BGRA pixels, then the AND mask.
    int maskStride = ((size + 31) / 32) * 4;
    std::vector<std::uint8_t> out(40 + size * size * 4 + maskStride * size, 0);
    auto put32 = [&](size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out[at + i] = (v >> (8 * i)) & 0xFF;
    };
    put32(0, 40);
    put32(4, static_cast<std::uint32_t>(size));
    put32(8, static_cast<std::uint32_t>(size * 2));
    out[12] = 1;
    out[14] = 32;
    put32(20, static_cast<std::uint32_t>(size * size * 4 + maskStride * size));
    double c = (size - 1) / 2.0, outer = size / 2.0 - 0.5;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            double r = std::hypot(x - c, y - c) / outer;
            double a = std::clamp((1.0 - r) * outer + 0.5, 0.0, 1.0);
            if (r < 0.16) a = std::clamp((r - 0.16) * outer + 1.0, 0.0, 1.0) * (r > 0.0 ? 1 : 0);
            Rgb p = r < 0.30 ? Rgb{200, 205, 215} : r < 0.62 ? Rgb{255, 128, 0} : Rgb{214, 220, 232};
            double shine = std::max(0.0, std::sin(std::atan2(y - c, x - c) * 2)) * 40 * (r > 0.62);
            p = {p.r + shine, p.g + shine, p.b + shine};
            if (std::abs(r - 0.62) < 0.05 || r > 0.94) p = mix(p, Rgb{90, 90, 100}, 0.6);
            std::uint8_t* px = out.data() + 40 + (static_cast<size_t>(size - 1 - y) * size + x) * 4;
            px[0] = channel(p.b);
            px[1] = channel(p.g);
            px[2] = channel(p.r);
            px[3] = channel(a * 255);
            if (a < 0.5) {  // transparent in the mask for systems without alpha icons
                std::uint8_t* m = out.data() + 40 + size * size * 4 + static_cast<size_t>(size - 1 - y) * maskStride;
                m[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
    return out;
}

bool writeIcon(const std::string& path) {
    const int sizes[] = {32, 16};
    std::vector<std::vector<std::uint8_t>> images;
    for (int s : sizes) images.push_back(drawIconImage(s));
    std::vector<std::uint8_t> out(6 + 16 * images.size(), 0);
    out[2] = 1;
    out[4] = static_cast<std::uint8_t>(images.size());
    std::uint32_t offset = static_cast<std::uint32_t>(out.size());
    for (size_t i = 0; i < images.size(); ++i) {
        std::uint8_t* e = out.data() + 6 + 16 * i;
        e[0] = static_cast<std::uint8_t>(sizes[i]);
        e[1] = static_cast<std::uint8_t>(sizes[i]);
        e[4] = 1;
        e[6] = 32;
        std::uint32_t n = static_cast<std::uint32_t>(images[i].size());
        for (int k = 0; k < 4; ++k) e[8 + k] = (n >> (8 * k)) & 0xFF;
        for (int k = 0; k < 4; ++k) e[12 + k] = (offset >> (8 * k)) & 0xFF;
        offset += n;
    }
    for (auto& img : images) out.insert(out.end(), img.begin(), img.end());
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(f);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1];
    // Sizes are the windows' twips at 96 dots per inch (15 twips a pixel).
    bool ok = writeBmp(drawBackground(8280 / 15, 5085 / 15), dir + "/Background.bmp") &&
              writeBmp(drawBanner(6870 / 15, 930 / 15), dir + "/Banner.bmp") && writeIcon(dir + "/Autorun.ico");
    if (!ok) std::fprintf(stderr, "artwork_generator: could not write into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
