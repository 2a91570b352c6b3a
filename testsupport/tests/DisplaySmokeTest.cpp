// Opens a real window in another process, finds it, photographs it and closes
// it: proves the display, the prefix and the screenshot path work.
#include "testsupport/GuiTest.h"

#include <gtest/gtest.h>

using namespace testsupport;

TEST(DisplaySmoke, WindowOfAnotherProcessIsFoundPhotographedAndClosed) {
    ChildProcess program(moduleFolder() + L"smoke_window.exe", L"");
    ASSERT_TRUE(program.started());

    HWND window = nullptr;
    ASSERT_TRUE(waitFor([&] {
        window = findTopLevelWindow(program.id(), L"NorvaneSmokeWindow", L"冒烟测试");
        return window && ::IsWindowVisible(window);
    }));
    EXPECT_EQ(windowText(window), L"冒烟测试");
    EXPECT_FALSE(saveScreenshot(window, L"smoke_window").empty());

    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0u);
}
