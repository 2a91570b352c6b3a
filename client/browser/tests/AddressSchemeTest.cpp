#include "client/browser/AddressScheme.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* address;
    const char* handedToControl;
};

class DefaultScheme : public ::testing::TestWithParam<Case> {};

TEST_P(DefaultScheme, AddsHttpOnlyWhenTheAddressHasNoScheme) {
    const Case& c = GetParam();
    EXPECT_EQ(browser::withDefaultScheme(c.address), c.handedToControl);
    EXPECT_EQ(browser::hasScheme(c.address), std::string(c.address) == c.handedToControl);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, DefaultScheme,
    ::testing::Values(
        // The sign-in and re-login addresses carry no scheme.
        Case{"203.0.113.18/pelzora/myshop/admin/login.asp?typ=y",
             "http://203.0.113.18/pelzora/myshop/admin/login.asp?typ=y"},
        Case{"127.0.0.1:47381/pelzora/myshop/login.asp?typ=y", "http://127.0.0.1:47381/pelzora/myshop/login.asp?typ=y"},
        // A named host with a port is not a scheme.
        Case{"localhost:8080/page", "http://localhost:8080/page"}, Case{"localhost:8080", "http://localhost:8080"},
        Case{"example.com:80?q=1", "http://example.com:80?q=1"}, Case{"example.com", "http://example.com"},
        Case{"", "http://"},
        // Addresses with a scheme pass unchanged, double slashes and all.
        Case{"http://203.0.113.18/pelzora/myshop//www/opulix/office/LOGO.php",
             "http://203.0.113.18/pelzora/myshop//www/opulix/office/LOGO.php"},
        Case{"HTTPS://host/x", "HTTPS://host/x"}, Case{"about:blank", "about:blank"},
        Case{"mailto:someone@example.com", "mailto:someone@example.com"}, Case{"res://x.dll/a", "res://x.dll/a"},
        Case{"svn+ssh://host/repo", "svn+ssh://host/repo"},
        // Not a scheme: starts with a digit, or has characters a scheme cannot hold.
        Case{"1http://x", "http://1http://x"}, Case{"my_host:x", "http://my_host:x"},
        Case{"/pelzora/shop/vb_default.asp", "http:///pelzora/shop/vb_default.asp"}));

}  // namespace
