#include "launcher/agreement/AgreementText.h"

namespace launcher {

std::string agreementForDisplay(std::string_view stored) {
    if (stored.substr(0, 3) == "\xEF\xBB\xBF") stored.remove_prefix(3);
    std::string out;
    out.reserve(stored.size() + stored.size() / 16);
    for (size_t i = 0; i < stored.size(); ++i) {
        char c = stored[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < stored.size() && stored[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

size_t countCharacters(std::string_view utf8) {
    size_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace launcher
