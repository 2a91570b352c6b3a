#include "installer/engine/EarlierLogReader.h"

namespace setup {
namespace {

constexpr std::string_view lineEnd = "\r\n";

bool isBlankChar(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// Start of the next non-blank line after position p, or npos.
std::size_t nextLine(std::string_view text, std::size_t p) {
    for (;;) {
        const std::size_t end = text.find(lineEnd, p);
        if (end == std::string_view::npos) return std::string_view::npos;
        const std::size_t start = end + lineEnd.size();
        if (start >= text.size()) return std::string_view::npos;
        const std::size_t ownEnd = text.find(lineEnd, start);
        if (ownEnd == std::string_view::npos) return std::string_view::npos;  // never read
        bool blank = true;
        for (std::size_t i = start; i < ownEnd && blank; ++i) blank = isBlankChar(text[i]);
        if (!blank) return start;
        p = start;
    }
}

}  // namespace

std::vector<std::string> readLogSection(std::string_view text, std::string_view name) {
    std::vector<std::string> lines;
    std::string header(1, '[');
    header.append(name);
    header += ']';
    const std::size_t at = text.find(header);
    if (at == std::string_view::npos) return lines;
    for (std::size_t line = nextLine(text, at); line != std::string_view::npos && text[line] != '[';
         line = nextLine(text, line)) {
        lines.emplace_back(text.substr(line, text.find(lineEnd, line) - line));
    }
    return lines;
}

}  // namespace setup
