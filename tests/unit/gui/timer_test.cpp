#include "framework/application.h"
#include "framework/timer.h"
#include "tests/support/pump.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

long long MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

TEST(Timer, TicksComeThroughTheQueueAfterTheIntervalAndPassTheHook) {
    TApplication application;
    int timerMessagesSeen = 0;
    int ticks = 0;
    int seenBeforeFirstTick = -1;
    long long firstTickAfter = 0;
    TTimer timer(nullptr);
    timer.SetInterval(200);
    application.SetOnMessage([&](MSG& message, bool&) {
        // Thread timers of the pump carry no window; the component's ticks do.
        timerMessagesSeen += message.message == WM_TIMER && message.hwnd != nullptr;
    });
    const Clock::time_point bound = Clock::now();
    timer.SetOnTimer([&](TComponent* sender) {
        EXPECT_EQ(sender, &timer);
        if (ticks++ == 0) {
            firstTickAfter = MillisecondsSince(bound);
            seenBeforeFirstTick = timerMessagesSeen;
        }
    });
    ASSERT_TRUE(PumpUntil(
        application, [&] { return ticks == 2; }, 3000));
    EXPECT_GE(firstTickAfter, 200);
    EXPECT_EQ(seenBeforeFirstTick, 1);
    EXPECT_EQ(timerMessagesSeen, 2);
}

TEST(Timer, CountsOnlyWhileEnabledWithAHandler) {
    TApplication application;
    int ticks = 0;
    TTimer timer(nullptr);
    timer.SetInterval(20);
    timer.SetEnabled(false);
    timer.SetOnTimer([&](TComponent*) { ++ticks; });
    EXPECT_FALSE(PumpUntil(
        application, [&] { return ticks > 0; }, 200));

    timer.SetEnabled(true);
    EXPECT_TRUE(PumpUntil(
        application, [&] { return ticks > 0; }, 2000));
    timer.SetOnTimer(nullptr);
    const int counted = ticks;
    PumpUntil(
        application, [] { return false; }, 200);
    EXPECT_EQ(ticks, counted);
}

TEST(Timer, FreedWithItsOwnerItTicksNoMore) {
    TApplication application;
    int ticks = 0;
    auto owner = std::make_unique<TComponent>(nullptr);
    auto* timer = new TTimer(owner.get());
    timer->SetInterval(20);
    timer->SetOnTimer([&](TComponent*) { ++ticks; });
    owner.reset();
    EXPECT_FALSE(PumpUntil(
        application, [&] { return ticks > 0; }, 200));
}

TEST(Timer, ATickTheHookHandlesNeverReachesTheHandler) {
    TApplication application;
    int swallowed = 0;
    int ticks = 0;
    application.SetOnMessage([&](MSG& message, bool& handled) {
        if (message.message == WM_TIMER && message.hwnd != nullptr) {
            handled = true;
            ++swallowed;
        }
    });
    TTimer timer(nullptr);
    timer.SetInterval(20);
    timer.SetOnTimer([&](TComponent*) { ++ticks; });
    EXPECT_TRUE(PumpUntil(
        application, [&] { return swallowed >= 3; }, 2000));
    EXPECT_EQ(ticks, 0);
}

} // namespace
