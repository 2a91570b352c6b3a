#include "client/browser/AddressScheme.h"

namespace browser {

namespace {
bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool hasScheme(std::string_view address) {
    if (address.empty() || !isAlpha(address[0])) return false;
    size_t i = 1;
    while (i < address.size() && (isAlpha(address[i]) || isDigit(address[i]) || address[i] == '+' ||
                                  address[i] == '-' || address[i] == '.'))
        ++i;
    if (i >= address.size() || address[i] != ':') return false;
    // "localhost:8080/page": digits up to the end of the authority are a port.
    size_t j = i + 1;
    while (j < address.size() && isDigit(address[j])) ++j;
    bool portOnly = j > i + 1 && (j == address.size() || address[j] == '/' || address[j] == '?' || address[j] == '#');
    return !portOnly;
}

std::string withDefaultScheme(std::string_view address) {
    if (hasScheme(address)) return std::string(address);
    return "http://" + std::string(address);
}

}  // namespace browser
