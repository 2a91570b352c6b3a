// The client's fixed table of functions: what the menu bar, the navigation
// lists and the toolbar offer, and the page address each one opens on the
// trade platform. Constant data; texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

// Host part of the platform server (no scheme, no slash), fixed at build time.
extern const std::string_view ServerHost;

// ServerHost + "/pelzora/myshop/": the one process-wide base of every page
// address. Set once at start-up before the first page is requested.
class SiteBase {
public:
    static constexpr std::string_view kSuffix = "/pelzora/myshop/";
    // The first call fixes the value; later calls change nothing and return false.
    static bool set(std::string_view serverHost);
    // Empty until set.
    static const std::string& get();
};

enum class TargetKind {
    Page,          // a path below SiteBase
    FixedAddress,  // sign-in, re-login or site preview
    Notice,        // the "建设中" box; the browser is not touched
    Close,         // ask the main window to close
    Separator,     // a menu separator line; does nothing
};

enum class FixedAddress { SignIn, Relogin, Preview };

struct Entry {
    std::string_view key;
    std::string_view caption;
    TargetKind kind;
    std::string_view path;  // TargetKind::Page only
    FixedAddress fixed;     // TargetKind::FixedAddress only
    bool visible;
};

struct Menu {
    std::string_view key;
    std::string_view caption;
    bool visible;
    std::vector<Entry> items;
};

struct GroupItem {
    std::string_view text;
    int icon;  // 1-based picture of the group's own image list
    std::string_view key;
};

struct ToolbarButton {
    int index;  // 1 to 25
    bool separator;
    std::string_view caption;
    std::string_view key;
    int image;  // 1-based picture of the toolbar image list; 0 for separators
};

// What carrying out an entry means: the kind, and for pages and fixed
// addresses the address to hand to the browser.
struct Action {
    TargetKind kind;
    std::string address;
};

inline constexpr int kGroupCount = 9;
inline constexpr int kToolbarButtonCount = 25;
inline constexpr std::string_view kNoticeText = "建设中";

class AdminPageCatalogue {
public:
    // Composes addresses for the given server. current() uses the compiled-in
    // ServerHost and the process-wide SiteBase.
    AdminPageCatalogue(std::string serverHost, std::string siteBase);
    static AdminPageCatalogue current();

    std::string pageAddress(std::string_view path) const;
    std::string signInAddress() const;
    std::string reloginAddress() const;
    std::string previewAddress() const;
    // The action of an entry key; nullopt for an unknown key.
    std::optional<Action> actionFor(std::string_view key) const;

    static const std::vector<Menu>& menuBar();
    // Menu items and the toolbar-only entries (SitePreview, Relogin, ExitClient).
    static const Entry* entry(std::string_view key);

    static std::string_view groupCaption(int group);  // empty outside 0 to 8
    static const std::vector<GroupItem>& groupItems(int group);  // empty for 8 and outside 0 to 8
    static std::optional<std::string_view> resolveGroupItem(int group, std::string_view itemText);

    static const std::vector<ToolbarButton>& toolbar();
    static std::optional<std::string_view> resolveToolbarButton(int index);

private:
    std::string serverHost_;
    std::string siteBase_;
};

}  // namespace catalogue
