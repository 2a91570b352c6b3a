// What the browser host does to an address before handing it to the control:
// an address without a scheme is an http address. Some controls add "http://"
// themselves, some refuse such an address, so the host always does it.
#pragma once

#include <string>
#include <string_view>

namespace browser {

// True when the address starts with "name:" where name is a URI scheme
// (a letter, then letters, digits, "+", "-" or "."). "host:port" followed by
// the end, "/", "?" or "#" is a host with a port, not a scheme.
bool hasScheme(std::string_view address);

// The address with "http://" in front when it has no scheme; otherwise unchanged.
std::string withDefaultScheme(std::string_view address);

}  // namespace browser
