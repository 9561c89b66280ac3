#include "framework/application.h"
#include "framework/dialogs.h"
#include "testform.h"
#include "tests/support/window_lists.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Posted before a dialog opens, so that its loop is the one that takes it.
constexpr UINT kDialogUp = WM_APP + 7;

// The thread's shown message dialog.
HWND ShownDialog() {
    HWND found = nullptr;
    for (HWND window : ThreadWindows(GetCurrentThreadId())) {
        char name[32]{};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == "TMessageForm" && IsWindowVisible(window)) {
            found = window;
        }
    }
    return found;
}

std::string TextOf(HWND window) {
    char text[256]{};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[32]{};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// What a user sees of a message dialog.
struct DialogSeen {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;
    bool defaultOk = false;
    HICON icon = nullptr;
    POINT centre{};
};

DialogSeen Read(HWND dialog) {
    DialogSeen seen{.caption = TextOf(dialog)};
    char text[256]{};
    GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
    seen.text = text;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
        if (ClassOf(child) == "Button") {
            seen.buttons.push_back(TextOf(child));
            seen.defaultOk =
                GetDlgCtrlID(child) == IDOK && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        } else if ((style & SS_TYPEMASK) == SS_ICON) {
            seen.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        }
    }
    RECT bounds{};
    GetWindowRect(dialog, &bounds);
    seen.centre = {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    return seen;
}

// Called with the dialog for every message that its loop takes, kDialogUp first.
using WhileUp = std::function<void(HWND dialog, const MSG& message)>;

WhileUp OnceUp(std::function<void(HWND dialog)> act) {
    return [act](HWND dialog, const MSG& message) {
        if (message.message == kDialogUp) {
            act(dialog);
        }
    };
}

class MessageDialog : public testing::Test {
protected:
    // Runs show() with the hook of `hooked` calling whileUp. A dialog that is still up after
    // 5 s is closed, and the test fails.
    void ShowWhile(TApplication& hooked, const std::function<void()>& show,
                   const WhileUp& whileUp) {
        const UINT_PTR guard = SetTimer(nullptr, 0, 5000, nullptr);
        HWND dialog = nullptr;
        bool timedOut = false;
        hooked.SetOnMessage([&](MSG& message, bool&) {
            dialog = dialog != nullptr ? dialog : ShownDialog();
            if (message.message == WM_TIMER && message.wParam == guard) {
                timedOut = true;
                PostMessageA(dialog, WM_CLOSE, 0, 0);
            }
            whileUp(dialog, message);
        });
        PostThreadMessageA(GetCurrentThreadId(), kDialogUp, 0, 0);
        show();
        KillTimer(nullptr, guard);
        hooked.SetOnMessage(nullptr);
        EXPECT_NE(dialog, nullptr);
        EXPECT_FALSE(timedOut);
        EXPECT_FALSE(IsWindow(dialog));
    }

    void ShowWhile(const WhileUp& whileUp) {
        ShowWhile(
            application,
            [&] { ShowMessageDialog(application, {.caption = "Test", .text = "Text"}); }, whileUp);
    }

    TApplication application;
};

TEST_F(MessageDialog, ErrorKindShowsTheStopIconAndOneDefaultOkCentredWithTheOtherWindowsDisabled) {
    TTestForm form(nullptr);
    form.ReadLayout(TestLayoutText({}));
    form.Show();
    DialogSeen seen;
    bool formEnabled = true;
    ShowWhile(
        *Application, [] { ShowErrorDialog("Fermez tout.\n\rClose all."); },
        OnceUp([&](HWND dialog) {
            seen = Read(dialog);
            formEnabled = IsWindowEnabled(form.Handle()) != FALSE;
            SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        }));
    EXPECT_EQ(seen.caption, "Error");
    EXPECT_EQ(seen.text, "Fermez tout.\n\rClose all.");
    EXPECT_EQ(seen.icon, LoadIconA(nullptr, IDI_HAND));
    EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(seen.defaultOk);
    EXPECT_NEAR(seen.centre.x, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR(seen.centre.y, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_FALSE(formEnabled);
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
}

TEST_F(MessageDialog, PlainKindIsCaptionedWithTheTitleAndHasNoIcon) {
    DialogSeen seen;
    ShowWhile(
        *Application, [] { ShowMessage("Fichier non trouv\xE9"); }, OnceUp([&](HWND dialog) {
            seen = Read(dialog);
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        }));
    EXPECT_EQ(seen.caption, Application->Title());
    EXPECT_EQ(seen.text, "Fichier non trouv\xE9");
    EXPECT_EQ(seen.icon, nullptr);
    EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
}

TEST_F(MessageDialog, EveryWayOutEndsIt) {
    const std::vector<std::pair<std::string, std::function<void(HWND)>>> ways = {
        {"button", [](HWND dialog) { SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); }},
        {"Enter",
         [](HWND dialog) { PostMessageA(GetDlgItem(dialog, IDOK), WM_KEYDOWN, VK_RETURN, 0); }},
        {"Escape",
         [](HWND dialog) { PostMessageA(GetDlgItem(dialog, IDOK), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"close box", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& [name, act] : ways) {
        SCOPED_TRACE(name);
        ShowWhile(OnceUp(act));
        EXPECT_FALSE(application.Terminated());
    }
}

TEST_F(MessageDialog, ItsLoopPassesTheHookAndTicksTimers) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, nullptr);
    bool ticked = false;
    ShowWhile([&](HWND dialog, const MSG& message) {
        if (message.message == WM_TIMER && message.wParam == timer && !ticked) {
            ticked = true;
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        }
    });
    KillTimer(nullptr, timer);
    EXPECT_TRUE(ticked);
}

TEST_F(MessageDialog, EndsAtOnceWhenTheApplicationTerminatesAndStaysShutThen) {
    ShowWhile(OnceUp([](HWND) { PostQuitMessage(0); }));
    EXPECT_TRUE(application.Terminated());

    int messagesTaken = 0;
    application.SetOnMessage([&](MSG&, bool&) { ++messagesTaken; });
    PostThreadMessageA(GetCurrentThreadId(), kDialogUp, 0, 0);
    ShowMessageDialog(application, {.caption = "Test", .text = "Text"});
    EXPECT_EQ(messagesTaken, 0);
    // Not for the next test's dialog.
    MSG left{};
    PeekMessageA(&left, nullptr, kDialogUp, kDialogUp, PM_REMOVE);
}

} // namespace
