#pragma once

#include "framework/component.h"
#include "framework/exception.h"
#include "framework/published.h"

#include <memory>

using EOutOfResources = ExceptionClass<Exception, "EOutOfResources">;

// Calls OnTimer every Interval milliseconds while Enabled. The ticks come through the
// thread's queue as WM_TIMER of a window of the timer's own, so they pass the application's
// message hook. Every change of Enabled, Interval or OnTimer starts the count anew.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    static const ComponentClass& Class();

    bool Enabled() const { return enabled_; }
    // Raise EOutOfResources "Not enough timers available" when the system has none left.
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);
    void SetOnTimer(TNotifyEvent handler);

private:
    class TimerWindow;
    void UpdateTimer();
    void Tick();

    std::unique_ptr<TimerWindow> window_;
    bool enabled_ = true;
    unsigned interval_ = 1000;
    TNotifyEvent onTimer_;
};
