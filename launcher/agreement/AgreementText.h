// The licence agreement as the agreement box shows it.
#pragma once

#include <string>
#include <string_view>

namespace launcher {

// The stored UTF-8 text with any byte-order mark removed and every line end
// (LF, CR LF or a lone CR) made CR LF, as a multi-line edit box needs.
std::string agreementForDisplay(std::string_view storedUtf8);

// Number of characters (Unicode code points) of a UTF-8 text.
size_t countCharacters(std::string_view utf8);

}  // namespace launcher
