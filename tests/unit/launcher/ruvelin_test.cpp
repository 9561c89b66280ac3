#include "framework/font.h"
#include "tests/support/beside_this_program.h"
#include "tests/support/boxes.h"
#include "tests/support/window_checks.h"
#include "tests/unit/launcher/started.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

namespace {

// The main window's client area here: the layout's 328 x 35 for a "0" 16 pixels high,
// scaled by what "0" of its font measures on this screen.
SIZE ExpectedClientSize() {
    TFont font;
    font.SetName("Arial");
    font.SetHeight(-13);
    font.SetCharset(ANSI_CHARSET);
    const int measured = font.TextExtent("0").cy;
    return {MulDiv(328, measured, 16), MulDiv(35, measured, 16)};
}

TEST(Ruvelin, ShowsItsWindowCentredWithItsLayout) {
    Started ruvelin(BesideThisProgram("Ruvelin.exe"));
    HWND window = ruvelin.WaitForWindow("TMainForm", true);
    ASSERT_NE(window, nullptr);

    ExpectFixedWindowWithCloseBoxOnly(window, "Installation");

    RECT client{};
    GetClientRect(window, &client);
    const SIZE expected = ExpectedClientSize();
    EXPECT_EQ(client.right, expected.cx);
    EXPECT_EQ(client.bottom, expected.cy);
    RECT outer{};
    GetWindowRect(window, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    ExpectCentredOnScreen(window);
    std::printf("main window: client %ld x %ld, outer %d x %d at %ld, %ld on a %d x %d screen\n",
                client.right, client.bottom, width, height, outer.left, outer.top,
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));

    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(ruvelin.ExitCode(), 0u);
}

TEST(Ruvelin, EveryWayOfClosingItEndsItWithExitCodeZero) {
    struct Case {
        const char* how;
        const char* windowClass;
        UINT message;
        WPARAM wParam;
        const char* arguments;
    };
    const Case cases[] = {
        {"close request", "TMainForm", WM_CLOSE, 0, ""},
        {"taskbar button Close", "TApplication", WM_CLOSE, 0, ""},
        {"with arguments, which it ignores", "TMainForm", WM_CLOSE, 0, "/x extra \"a b\""},
    };
    for (const Case& c : cases) {
        Started ruvelin(BesideThisProgram("Ruvelin.exe"), std::nullopt, c.arguments);
        ASSERT_NE(ruvelin.WaitForWindow("TMainForm", true), nullptr) << c.how;
        PostMessageA(ruvelin.WaitForWindow(c.windowClass, false), c.message, c.wParam, 0);
        EXPECT_EQ(ruvelin.ExitCode(), 0u) << c.how;
    }
}

TEST(Ruvelin, FollowsTheShowStateItIsStartedWith) {
    {
        Started ruvelin(BesideThisProgram("Ruvelin.exe"), SW_SHOWMAXIMIZED);
        HWND window = ruvelin.WaitForWindow("TMainForm", true);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(IsZoomed(window));
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(ruvelin.ExitCode(), 0u);
    }
    {
        Started ruvelin(BesideThisProgram("Ruvelin.exe"), SW_SHOWMINNOACTIVE);
        HWND application = ruvelin.WaitForWindow("TApplication", true);
        ASSERT_NE(application, nullptr);
        EXPECT_TRUE(IsIconic(application));
        HWND window = ruvelin.WaitForWindow("TMainForm", false);
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(IsWindowVisible(window));
        // Restored from its taskbar button, it shows its window.
        PostMessageA(application, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_EQ(ruvelin.WaitForWindow("TMainForm", true), window);
        EXPECT_FALSE(IsIconic(application));
        PostMessageA(application, WM_CLOSE, 0, 0);
        EXPECT_EQ(ruvelin.ExitCode(), 0u);
    }
}

TEST(Ruvelin, MissingLayoutShowsApplicationErrorAndEndsWithExitCodeOne) {
    // The program's entry, built without the resources.
    Started ruvelin(BesideThisProgram("RuvelinNoLayout.exe"));
    const auto box = AnswerBox("Application Error", 5000);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(ruvelin.WindowOf("TMainForm", false), nullptr);
    const std::string prefix = "Exception EResNotFound in module RuvelinNoLayout.exe at ";
    const std::string suffix = ".\r\nResource TMAINFORM not found.\r\n";
    const std::string& text = box->text;
    ASSERT_EQ(text.size(), prefix.size() + 2 * sizeof(void*) + suffix.size()) << text;
    EXPECT_EQ(text.substr(0, prefix.size()), prefix);
    EXPECT_EQ(text.substr(text.size() - suffix.size()), suffix);
    const std::string address = text.substr(prefix.size(), 2 * sizeof(void*));
    EXPECT_EQ(address.find_first_not_of("0123456789ABCDEF"), std::string::npos) << address;
    EXPECT_TRUE(box->hasIcon);
    EXPECT_EQ(ruvelin.ExitCode(), 1u);
}

} // namespace
