#include "framework/timer.h"

#include "framework/window.h"

class TTimer::TimerWindow : public Window {
public:
    explicit TimerWindow(TTimer& timer) : timer_(timer) {
        // Message-only: no broadcast reaches it, and it never shows.
        CreateHandle({.className = "TTimerWindow", .parent = HWND_MESSAGE});
    }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER) {
            timer_.Tick();
            return 0;
        }
        return DefaultHandler(message, wParam, lParam);
    }

    TTimer& timer_;
};

namespace {
constexpr UINT_PTR TimerId = 1;
}

TTimer::TTimer(TComponent* owner)
    : TComponent(owner), window_(std::make_unique<TimerWindow>(*this)) {}

// The system timer goes with the window.
TTimer::~TTimer() = default;

const ComponentClass& TTimer::Class() {
    static const ComponentClass type{
        .name = "TTimer",
        .parent = &ComponentBaseClass(),
        .create = [](TComponent* owner) { return new TTimer(owner); },
        .properties = {Property("Enabled", &TTimer::SetEnabled),
                       Property("Interval", &TTimer::SetInterval),
                       Property("OnTimer", &TTimer::SetOnTimer)},
    };
    return type;
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
    interval_ = interval;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    KillTimer(window_->Handle(), TimerId);
    if (enabled_ && interval_ != 0 && onTimer_) {
        if (SetTimer(window_->Handle(), TimerId, interval_, nullptr) == 0) {
            throw EOutOfResources("Not enough timers available");
        }
    }
}

void TTimer::Tick() {
    // A tick already queued when the timer was switched off is dropped.
    if (enabled_ && onTimer_) {
        TNotifyEvent handler = onTimer_;
        handler(this);
    }
}
