// Reads the sections of an earlier setup.log for a reinstallation. Scoped to
// the log only: it finds a section and its lines by the same rules as the
// installer's reader of sectioned text files (first occurrence of "[NAME]"
// anywhere; following non-blank CR LF lines up to one that begins with "[";
// a last line without CR LF is not read), without the "<br>"/"<tab>" markers,
// so the log's lines come back as they stand.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace setup {

// The lines of the section "[name]" of the text; empty when it is missing.
std::vector<std::string> readLogSection(std::string_view text, std::string_view name);

}  // namespace setup
