// Drives the real publisher program (the loopback build, whose pages live on
// a server inside this test process) by its control ids and watches the
// requests its embedded browser makes.
#include "client/app/tests/LoopbackServer.h"

#include "client/catalogue/AdminPageCatalogue.h"
#include "client/ui/Commands.h"
#include "client/ui/NavigationLayout.h"
#include "client/ui/Twips.h"

#include "testsupport/GuiTest.h"

#include "common/win32/WideText.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace testsupport;
using catalogue::AdminPageCatalogue;

namespace {

const std::wstring kMainWindowClass = L"NorvaneFrmMain";
const std::wstring kWindowTitle = L"Norvane皮毛行业智能发布平台V.2004";
const std::wstring kAppTitle = L"Norvane智能网站发布系统";
constexpr int kMessageBoxText = 0xFFFF;  // the static control of a message box

// The loopback build's addresses, as its own catalogue composes them.
AdminPageCatalogue loopbackCatalogue() {
    return AdminPageCatalogue(std::string(catalogue::ServerHost),
                              std::string(catalogue::ServerHost) + std::string(catalogue::SiteBase::kSuffix));
}

// The request line the server sees for an address (with or without "http://").
std::string requestLineFor(const std::string& address) {
    std::string rest = address.rfind("http://", 0) == 0 ? address.substr(7) : address;
    return "GET " + rest.substr(rest.find('/')) + " HTTP/1.1";
}

std::string pageRequest(std::string_view key) { return requestLineFor(loopbackCatalogue().actionFor(key)->address); }

// Memory inside the program under test, for the control messages that pass
// pointers.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, size_t size)
        : process_(process), address_(::VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    ~RemoteMemory() {
        if (address_) ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    void* at(size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
    template <typename T>
    void write(const T& value, size_t offset = 0) const {
        ::WriteProcessMemory(process_, at(offset), &value, sizeof value, nullptr);
    }
    void writeBytes(const void* data, size_t size, size_t offset) const {
        ::WriteProcessMemory(process_, at(offset), data, size, nullptr);
    }
    template <typename T>
    T read(size_t offset = 0) const {
        T value{};
        ::ReadProcessMemory(process_, at(offset), &value, sizeof value, nullptr);
        return value;
    }

private:
    HANDLE process_;
    void* address_;
};

// Paints the window (and, for a message box, its buttons and text) before the
// screen is copied, so that the picture shows what the user sees.
BOOL CALLBACK noteUnpainted(HWND child, LPARAM unpainted) {
    if (::IsWindowVisible(child) && ::GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(unpainted) = true;
    return TRUE;
}
bool fullyPainted(HWND window) {
    bool unpainted = ::GetUpdateRect(window, nullptr, FALSE) != FALSE;
    ::EnumChildWindows(window, noteUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}
std::wstring paintedScreenshot(HWND window, const std::wstring& name) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    EXPECT_TRUE(waitFor([&] { return fullyPainted(window); })) << "painting " << std::string(name.begin(), name.end());
    return saveScreenshot(window, name);
}

void click(HWND window, POINT p) {
    LPARAM at = MAKELPARAM(p.x, p.y);
    ::PostMessageW(window, WM_MOUSEMOVE, 0, at);
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(window, WM_LBUTTONUP, 0, at);
}

POINT centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

int screenDpiY() {
    HDC screen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

class PublisherTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = new publishertest::LoopbackServer(NORVANE_TEST_SERVER_PORT); }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(server_->listening()) << "port " << NORVANE_TEST_SERVER_PORT;
        startIndex_ = server_->count();
        program_ = std::make_unique<ChildProcess>(moduleFolder() + L"publisher_loopback.exe", L"");
        ASSERT_TRUE(program_->started());
        ASSERT_TRUE(waitFor([&] {
            window_ = findTopLevelWindow(program_->id(), kMainWindowClass, kWindowTitle);
            return window_ && ::IsWindowVisible(window_);
        }));
        picture_ = ::GetDlgItem(window_, ui::kPictureId);
        list_ = ::GetDlgItem(picture_, ui::kListViewId);
        toolbar_ = ::GetDlgItem(window_, ui::kToolbarId);
        ASSERT_TRUE(picture_ && list_ && toolbar_);
        // The sign-in page is the first request of every start.
        ASSERT_EQ(nextRequest(), requestLineFor(loopbackCatalogue().signInAddress()));
    }

    void TearDown() override {
        if (program_ && program_->running()) {
            program_.reset();  // terminated
        }
    }

    // The next request after those already seen; empty if none comes.
    std::string nextRequest() {
        size_t index = startIndex_ + seen_;
        if (!waitFor([&] { return server_->count() > index; })) return {};
        ++seen_;
        return server_->requests()[index];
    }

    // Proves that nothing was requested since the last one seen: the next
    // request must be the one a marker navigation (re-login) makes.
    void expectNothingRequested() {
        ::SendMessageW(window_, WM_COMMAND, ui::kToolbarCommandBase + 22, 0);
        EXPECT_EQ(nextRequest(), requestLineFor(loopbackCatalogue().reloginAddress()));
    }

    HWND messageBox(const std::wstring& title) {
        HWND box = nullptr;
        waitFor([&] {
            box = findTopLevelWindow(program_->id(), L"#32770", title);
            return box && ::IsWindowVisible(box);
        });
        return box;
    }
    static std::wstring boxText(HWND box) { return windowText(::GetDlgItem(box, kMessageBoxText)); }
    static void answer(HWND box, int button) { ::SendMessageW(::GetDlgItem(box, button), BM_CLICK, 0, 0); }
    bool gone(HWND box) {
        return waitFor([&] { return !::IsWindow(box) || !::IsWindowVisible(box); });
    }

    void clickNavigation(int group) {
        ::SendMessageW(::GetDlgItem(picture_, ui::kNavigateButtonBase + group), BM_CLICK, 0, 0);
    }

public:
    RECT toolbarButtonRect(int index) {
        RemoteMemory rect(program_->handle(), sizeof(RECT));
        ::SendMessageW(toolbar_, TB_GETITEMRECT, static_cast<WPARAM>(index - 1), reinterpret_cast<LPARAM>(rect.at()));
        return rect.read<RECT>();
    }
    void clickToolbar(int index) { click(toolbar_, centre(toolbarButtonRect(index))); }

protected:

    int listCount() { return static_cast<int>(::SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }
    std::wstring listText(int item) {
        RemoteMemory memory(program_->handle(), sizeof(LVITEMW) + 512);
        LVITEMW lv{};
        lv.iSubItem = 0;
        lv.cchTextMax = 256;
        lv.pszText = static_cast<wchar_t*>(memory.at(sizeof(LVITEMW)));
        memory.write(lv);
        int n = static_cast<int>(
            ::SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(memory.at())));
        std::wstring text(static_cast<size_t>(n), L'\0');
        ::ReadProcessMemory(program_->handle(), memory.at(sizeof(LVITEMW)), text.data(), text.size() * sizeof(wchar_t),
                            nullptr);
        return text;
    }
    void setListText(int item, const std::wstring& text) {
        RemoteMemory memory(program_->handle(), sizeof(LVITEMW) + (text.size() + 1) * sizeof(wchar_t));
        LVITEMW lv{};
        lv.iSubItem = 0;
        lv.pszText = static_cast<wchar_t*>(memory.at(sizeof(LVITEMW)));
        memory.write(lv);
        memory.writeBytes(text.c_str(), (text.size() + 1) * sizeof(wchar_t), sizeof(LVITEMW));
        ::SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(memory.at()));
    }
    void clickListItem(int item) {
        RemoteMemory memory(program_->handle(), sizeof(RECT));
        RECT r{};
        r.left = LVIR_ICON;
        memory.write(r);
        ::SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(memory.at()));
        click(list_, centre(memory.read<RECT>()));
    }

    // A control's rectangle in its parent's client coordinates.
    static RECT placeOf(HWND control) {
        RECT r;
        ::GetWindowRect(control, &r);
        ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    // The navigation bar shows exactly what the model computed.
    void expectPanelShows(const ui::NavigationLayout& model) {
        const int dpi = screenDpiY();
        for (int i = 0; i < ui::DesignLayout::kButtonCount; ++i) {
            RECT r = placeOf(::GetDlgItem(picture_, ui::kNavigateButtonBase + i));
            EXPECT_EQ(r.top, ui::twipsToPixels(model.buttonTop(i), dpi)) << "button " << i;
            EXPECT_EQ(r.bottom - r.top, ui::twipsToPixels(ui::DesignLayout::kButtonHeight, dpi)) << "button " << i;
        }
        RECT l = placeOf(list_);
        EXPECT_EQ(l.top, ui::twipsToPixels(model.listTop(), dpi));
        EXPECT_EQ(l.bottom - l.top, ui::twipsToPixels(model.listHeight(), dpi));
    }
    ui::NavigationLayout modelAfterLayout() {
        RECT client;
        ::GetClientRect(window_, &client);
        const int dpi = screenDpiY();
        ui::NavigationLayout model;
        model.layout(ui::pixelsToTwips(client.right, dpi), ui::pixelsToTwips(client.bottom, dpi));
        return model;
    }

    static publishertest::LoopbackServer* server_;
    std::unique_ptr<ChildProcess> program_;
    HWND window_ = nullptr, picture_ = nullptr, list_ = nullptr, toolbar_ = nullptr;
    size_t startIndex_ = 0, seen_ = 0;
};

publishertest::LoopbackServer* PublisherTest::server_ = nullptr;

TEST_F(PublisherTest, StartsOnTheSignInPageWithGroupSevenOpen) {
    // SetUp saw the sign-in request line; it came without a scheme in the
    // catalogue and reached the server as http.
    EXPECT_EQ(server_->requests()[startIndex_], "GET /pelzora/myshop/admin/login.asp?typ=y HTTP/1.1");
    ASSERT_EQ(listCount(), 2);
    EXPECT_EQ(listText(0), L"相关服务");
    EXPECT_EQ(listText(1), L"常见问题");
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(picture_, ui::kNavigateButtonBase + 8)));
    for (int i = 0; i < ui::DesignLayout::kButtonCount; ++i)
        EXPECT_EQ(windowText(::GetDlgItem(picture_, ui::kNavigateButtonBase + i)),
                  win32::toWide(AdminPageCatalogue::groupCaption(i)));
    EXPECT_EQ(windowText(::GetDlgItem(picture_, ui::kNavigateButtonBase + 0)), L"网站基本配置");
    EXPECT_EQ(windowText(::GetDlgItem(picture_, ui::kNavigateButtonBase + 7)), L"在线服务管理");
    expectPanelShows(modelAfterLayout());
    EXPECT_FALSE(paintedScreenshot(window_, L"publisher_start").empty());

    // The form's own background shows between the toolbar and the panel.
    RECT bar = placeOf(toolbar_), panel = placeOf(picture_);
    ASSERT_LT(bar.bottom, panel.top);
    POINT gap{panel.right + 8, (bar.bottom + panel.top) / 2};
    ::ClientToScreen(window_, &gap);
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(::GetPixel(screen, gap.x, gap.y), RGB(207, 203, 207));
    ::ReleaseDC(nullptr, screen);

    // Nothing but the sign-in page was requested.
    expectNothingRequested();
}

TEST_F(PublisherTest, ToolbarHoldsTheCatalogueButtonsWithSeparatorsAtOddIndexes) {
    const auto& table = AdminPageCatalogue::toolbar();
    ASSERT_EQ(::SendMessageW(toolbar_, TB_BUTTONCOUNT, 0, 0), 25);
    RemoteMemory memory(program_->handle(), sizeof(TBBUTTON) + 256);
    for (int index = 1; index <= 25; ++index) {
        SCOPED_TRACE(index);
        ::SendMessageW(toolbar_, TB_GETBUTTON, static_cast<WPARAM>(index - 1), reinterpret_cast<LPARAM>(memory.at()));
        TBBUTTON button = memory.read<TBBUTTON>();
        EXPECT_EQ(button.idCommand, ui::kToolbarCommandBase + index);
        EXPECT_EQ((button.fsStyle & BTNS_SEP) != 0, index % 2 == 1);
        if (index % 2 == 1) continue;
        EXPECT_EQ(button.iBitmap, index / 2 - 1);
        auto* remoteText = static_cast<wchar_t*>(memory.at(sizeof(TBBUTTON)));
        int n = static_cast<int>(::SendMessageW(toolbar_, TB_GETBUTTONTEXTW, static_cast<WPARAM>(button.idCommand),
                                                reinterpret_cast<LPARAM>(remoteText)));
        ASSERT_GT(n, 0);
        std::wstring text(static_cast<size_t>(n), L'\0');
        ::ReadProcessMemory(program_->handle(), remoteText, text.data(), text.size() * sizeof(wchar_t), nullptr);
        EXPECT_EQ(text, win32::toWide(table[static_cast<size_t>(index - 1)].caption));
    }
}

TEST_F(PublisherTest, AccordionFollowsTheClicksAndTheResize) {
    ui::NavigationLayout model = modelAfterLayout();
    clickNavigation(0);
    model.clickButton(0);
    ASSERT_TRUE(waitFor([&] { return listCount() == 2 && listText(0) == L"公司资料"; }));
    EXPECT_EQ(listText(1), L"网站资料");
    expectPanelShows(model);
    EXPECT_EQ(model.listTop(), 375);
    EXPECT_FALSE(paintedScreenshot(window_, L"publisher_group0").empty());

    clickNavigation(5);
    model.clickButton(5);
    ASSERT_TRUE(waitFor([&] { return listCount() == 3; }));
    EXPECT_EQ(listText(0), L"产品类别");
    EXPECT_EQ(listText(2), L"商品添加");
    EXPECT_EQ(model.listTop(), 2160);
    expectPanelShows(model);

    clickNavigation(5);
    model.clickButton(5);
    EXPECT_EQ(model.listTop(), 2175);
    expectPanelShows(model);
    EXPECT_EQ(listCount(), 3);

    // A smaller window: the buttons below the list follow its new height.
    RECT outer;
    ::GetWindowRect(window_, &outer);
    ::SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left - 40, outer.bottom - outer.top - 120,
                   SWP_NOMOVE | SWP_NOZORDER);
    RECT client;
    ::GetClientRect(window_, &client);
    const int dpi = screenDpiY();
    model.layout(ui::pixelsToTwips(client.right, dpi), ui::pixelsToTwips(client.bottom, dpi));
    expectPanelShows(model);

    // Too low for the list: it keeps its last height.
    const int listBefore = model.listHeight();
    ::SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, 200, SWP_NOMOVE | SWP_NOZORDER);
    ::GetClientRect(window_, &client);
    model.layout(ui::pixelsToTwips(client.right, dpi), ui::pixelsToTwips(client.bottom, dpi));
    ASSERT_LT(ui::pixelsToTwips(client.bottom, dpi), 3785);
    EXPECT_EQ(model.listHeight(), listBefore);
    expectPanelShows(model);
}

struct SameAddressCase {
    const char* key;
    int group;
    int item;           // 0-based in the group's list
    int toolbarButton;  // 0 when the entry has no button
};

TEST_F(PublisherTest, MenuItemListItemAndToolbarButtonRequestTheSameAddress) {
    const SameAddressCase cases[] = {
        {"mnuCompany", 0, 0, 0},          {"mnuPiMao", 1, 0, 4},       {"mnuZhiKu", 1, 1, 0},
        {"mnuLanMuGuan", 2, 0, 8},        {"mnuGongQiu", 3, 0, 10},    {"mnuXWNR", 4, 0, 12},
        {"mnuChanPin", 5, 1, 14},         {"mnuDingDan", 6, 0, 16},    {"mnuFaHuo", 6, 1, 18},
        {"mnuChangNianXiaoShou", 6, 2, 6}, {"mnuXiangGuan", 7, 0, 20}, {"mnuChangJian", 7, 1, 0},
    };
    for (const SameAddressCase& c : cases) {
        SCOPED_TRACE(c.key);
        const std::string expected = pageRequest(c.key);
        ::SendMessageW(window_, WM_COMMAND, static_cast<WPARAM>(*ui::menuCommandFor(c.key)), 0);
        EXPECT_EQ(nextRequest(), expected) << "menu";

        clickNavigation(c.group);
        ASSERT_TRUE(waitFor([&] { return listCount() == static_cast<int>(AdminPageCatalogue::groupItems(c.group).size()); }));
        clickListItem(c.item);
        EXPECT_EQ(nextRequest(), expected) << "list";

        if (c.toolbarButton) {
            clickToolbar(c.toolbarButton);
            EXPECT_EQ(nextRequest(), expected) << "toolbar";
        }
    }
}

TEST_F(PublisherTest, ReloginAndPreviewOpenTheirFixedAddresses) {
    clickNavigation(3);
    ASSERT_TRUE(waitFor([&] { return listCount() == 1; }));
    clickToolbar(22);
    EXPECT_EQ(nextRequest(), "GET /pelzora/myshop/login.asp?typ=y HTTP/1.1");
    // Re-login leaves the navigation as it was.
    EXPECT_EQ(listCount(), 1);
    EXPECT_EQ(listText(0), L"供求信息");
    clickToolbar(2);
    EXPECT_EQ(nextRequest(), "GET /pelzora/shop/vb_default.asp HTTP/1.1");
}

TEST_F(PublisherTest, MailItemsShowTheNoticeAndRequestNothing) {
    for (const char* key : {"mnuSJ", "mnuFJ", "mnuFYJ", "mnuDZ"}) {
        SCOPED_TRACE(key);
        ::PostMessageW(window_, WM_COMMAND, static_cast<WPARAM>(*ui::menuCommandFor(key)), 0);
        HWND box = messageBox(kAppTitle);
        ASSERT_TRUE(box);
        EXPECT_EQ(boxText(box), L"建设中");
        EXPECT_FALSE(::GetDlgItem(box, IDCANCEL) && ::IsWindowVisible(::GetDlgItem(box, IDCANCEL)));
        answer(box, IDOK);
        EXPECT_TRUE(gone(box));
        expectNothingRequested();
    }
}

TEST_F(PublisherTest, UnmatchedListTextAndSeparatorsDoNothing) {
    clickNavigation(0);
    ASSERT_TRUE(waitFor([&] { return listCount() == 2; }));
    setListText(0, L"公司资料 ");  // one trailing space: no item of group 0
    ASSERT_EQ(listText(0), L"公司资料 ");
    clickListItem(0);
    expectNothingRequested();

    for (int separator : {1, 3, 13, 25}) {
        clickToolbar(separator);
        ::SendMessageW(window_, WM_COMMAND, static_cast<WPARAM>(ui::kToolbarCommandBase + separator), 0);
    }
    expectNothingRequested();
    // The column group opens its one page whatever the item's text.
    clickNavigation(2);
    ASSERT_TRUE(waitFor([&] { return listCount() == 1; }));
    setListText(0, L"任意");
    clickListItem(0);
    EXPECT_EQ(nextRequest(), pageRequest("mnuLanMuGuan"));
}

TEST_F(PublisherTest, CloseAsksFirstAndNoKeepsTheWindow) {
    struct Way {
        const char* name;
        void (*ask)(HWND window, PublisherTest& test);
    };
    const Way ways[] = {
        {"caption close button", [](HWND w, PublisherTest&) { ::PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"toolbar 退出系统", [](HWND, PublisherTest& t) { t.clickToolbar(24); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        way.ask(window_, *this);
        HWND box = messageBox(L"退出");
        ASSERT_TRUE(box);
        EXPECT_EQ(boxText(box), L"确实要提出系统吗？");
        paintedScreenshot(box, L"publisher_close_question");
        EXPECT_TRUE(::GetDlgItem(box, IDYES) && ::GetDlgItem(box, IDNO));
        answer(box, IDNO);
        EXPECT_TRUE(gone(box));
        EXPECT_TRUE(::IsWindow(window_) && ::IsWindowVisible(window_));
        EXPECT_TRUE(program_->running());
        expectNothingRequested();
    }
    clickToolbar(24);
    HWND box = messageBox(L"退出");
    ASSERT_TRUE(box);
    answer(box, IDYES);
    EXPECT_EQ(program_->waitForExit(), 0u);
}

TEST_F(PublisherTest, WindowClosingNotificationGivesTheTwoLineWarning) {
    ::PostMessageW(window_, WM_COMMAND, ui::kTestWindowClosingCommand, 0);
    HWND box = messageBox(kAppTitle);
    ASSERT_TRUE(box);
    EXPECT_EQ(boxText(box), L"请不要取消!否则你要重新运行此平台。\r更改用户请选重新登陆!");
    EXPECT_TRUE(::GetDlgItem(box, IDOK) != nullptr);
    EXPECT_FALSE(paintedScreenshot(box, L"publisher_window_closing").empty());
    answer(box, IDOK);
    EXPECT_TRUE(gone(box));
    // The client does not close its own window.
    EXPECT_TRUE(::IsWindow(window_) && program_->running());
    expectNothingRequested();
}

TEST_F(PublisherTest, SecondStartShowsProgramRunningOnceAndEnds) {
    ChildProcess second(moduleFolder() + L"publisher_loopback.exe", L"");
    ASSERT_TRUE(second.started());
    HWND box = nullptr;
    ASSERT_TRUE(waitFor([&] {
        box = findTopLevelWindow(second.id(), L"#32770", kAppTitle);
        return box && ::IsWindowVisible(box);
    }));
    EXPECT_EQ(windowText(::GetDlgItem(box, kMessageBoxText)), L"程序已运行！");
    EXPECT_FALSE(paintedScreenshot(box, L"publisher_second_start").empty());
    EXPECT_FALSE(findTopLevelWindow(second.id(), kMainWindowClass, L""));
    answer(box, IDOK);
    EXPECT_EQ(second.waitForExit(), 0u);
    // Only one box was shown, and the first copy is untouched.
    EXPECT_TRUE(program_->running());
    EXPECT_TRUE(::IsWindowVisible(window_));
    expectNothingRequested();
}

}  // namespace
