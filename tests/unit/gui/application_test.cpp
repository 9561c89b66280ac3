#include "framework/application.h"
#include "framework/timer.h"
#include "framework/window.h"
#include "testform.h"
#include "tests/support/boxes.h"
#include "tests/support/pump.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(MessageRoutine, QuitMessageEndsTheLoopWithoutPassingTheHook) {
    TApplication application;
    int hookCalls = 0;
    application.SetOnMessage([&](MSG&, bool&) { ++hookCalls; });
    PostQuitMessage(0);
    EXPECT_TRUE(PumpUntil(
        application, [&] { return application.Terminated(); }, 1000));
    EXPECT_EQ(hookCalls, 0);
}

TEST(MessageRoutine, InstallingAHookReplacesTheOneBefore) {
    TApplication application;
    std::vector<std::string> calls;
    application.SetOnMessage(
        [&](MSG& message, bool&) { calls.push_back("first " + std::to_string(message.message)); });
    application.SetOnMessage(
        [&](MSG& message, bool&) { calls.push_back("second " + std::to_string(message.message)); });
    PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    EXPECT_TRUE(PumpUntil(
        application, [&] { return !calls.empty(); }, 1000));
    EXPECT_EQ(calls, std::vector<std::string>{"second " + std::to_string(WM_APP)});
}

TEST(MessageRoutine, EndSessionWithItsFlagSetEndsTheLoop) {
    TApplication application;
    SendMessageA(application.Handle(), WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(application.Terminated());
    SendMessageA(application.Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(application.Terminated());
}

// At log-off the system sends the message from elsewhere while the loop waits for input: the
// loop has to end on it, not wait on for a message that nothing will post.
TEST(MessageRoutine, EndSessionSentWhileTheLoopWaitsEndsTheRun) {
    TApplication application;
    const DWORD loopThread = GetCurrentThreadId();
    std::atomic<bool> ended = false;
    std::atomic<bool> woken = false;
    std::thread system([&] {
        Sleep(200);
        SendMessageA(application.Handle(), WM_ENDSESSION, TRUE, 0);
        for (int waited = 0; waited < 2000 && !ended; waited += 10) {
            Sleep(10);
        }
        // So that the test ends either way, also when the session's end was not taken at all.
        woken = !ended;
        PostThreadMessageA(loopThread, WM_QUIT, 0, 0);
    });
    application.Run();
    ended = true;
    system.join();
    EXPECT_FALSE(woken) << "the loop went on after the session ended";
    // Not for the next test's loop, when this one had ended by itself.
    MSG left{};
    PeekMessageA(&left, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

// A window that records whether it was told to cancel a mode.
class CaptureHolder : public Window {
public:
    CaptureHolder() { CreateHandle({.className = "TestCaptureHolder"}); }
    bool cancelled = false;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        cancelled |= message == WM_CANCELMODE;
        return DefaultHandler(message, wParam, lParam);
    }
};

// The handler runs once, then the timer is off.
void FailOnTick(TTimer& timer, const std::function<void()>& fail) {
    timer.SetInterval(10);
    timer.SetOnTimer([&timer, fail](TComponent*) {
        timer.SetEnabled(false);
        fail();
    });
}

TEST(DefaultExceptionHandler, ShowsTheMessageWithAFullStopAndTheLoopGoesOn) {
    TApplication application;
    bool appSeen = false;
    application.SetOnMessage([&](MSG& message, bool&) { appSeen |= message.message == WM_APP; });
    TTestForm form(nullptr);
    form.ReadLayout(TestLayoutText({}));
    form.Show();
    bool formEnabledUnderBox = true;
    TTimer timer(nullptr);
    auto box = AnswerBoxLater(Application->Title(), 5000, [&] {
        formEnabledUnderBox = IsWindowEnabled(form.Handle()) != FALSE;
    });
    FailOnTick(timer, [] { throw Exception("Handler failed"); });
    ASSERT_TRUE(PumpUntil(
        application, [&] { return !timer.Enabled(); }, 5000));
    const auto seen = box.get();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, "Handler failed.");
    EXPECT_TRUE(seen->hasStopIcon);
    EXPECT_FALSE(formEnabledUnderBox);
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));

    PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    EXPECT_TRUE(PumpUntil(
        application, [&] { return appSeen; }, 1000));
    EXPECT_FALSE(application.Terminated());
}

TEST(DefaultExceptionHandler, CancelsTheCaptureThenDropsEAbortSilently) {
    TApplication application;
    CaptureHolder holder;
    SetCapture(holder.Handle());
    TTimer timer(nullptr);
    // A box would block the pump until this answers it.
    auto box = UnwantedBoxLater(Application->Title(), 1000);
    FailOnTick(timer, [] { throw EAbort("Operation aborted"); });
    ASSERT_TRUE(PumpUntil(
        application, [&] { return !timer.Enabled(); }, 5000));
    EXPECT_EQ(box.get(), std::nullopt);
    EXPECT_TRUE(holder.cancelled);
    ReleaseCapture();
}

} // namespace
