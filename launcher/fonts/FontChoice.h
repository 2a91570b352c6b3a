// Picks the face for a text from a list of preferences and what the system
// has installed.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace launcher {

// The clerical script face first, under its Chinese and English names, then
// other Chinese faces that read well at label size.
const std::vector<std::string>& clericalFacePreferences();
// The plain Chinese text face of dialogs.
const std::vector<std::string>& textFacePreferences();

// The first preferred face that is installed; the fallback when none is.
std::string chooseFace(const std::vector<std::string>& preferences,
                       const std::function<bool(const std::string&)>& isInstalled, const std::string& fallback);

}  // namespace launcher
