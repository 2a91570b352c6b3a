#include "launcher/fonts/FontChoice.h"

namespace launcher {

const std::vector<std::string>& clericalFacePreferences() {
    static const std::vector<std::string> faces{"隶书", "LiSu", "华文隶书", "STLiti", "楷体", "KaiTi",
                                                "楷体_GB2312", "宋体", "SimSun"};
    return faces;
}

const std::vector<std::string>& textFacePreferences() {
    static const std::vector<std::string> faces{"宋体", "SimSun", "新宋体", "NSimSun"};
    return faces;
}

std::string chooseFace(const std::vector<std::string>& preferences,
                       const std::function<bool(const std::string&)>& isInstalled, const std::string& fallback) {
    for (const std::string& face : preferences)
        if (isInstalled(face)) return face;
    return fallback;
}

}  // namespace launcher
