#include "tests/support/watchdog.h"

#include "tests/support/boxes.h"

#include <cstdio>

// The watchdog fails tests from a thread of its own.
#if !GTEST_IS_THREADSAFE
#error GoogleTest is not thread-safe in this build
#endif

namespace {

// How often an overdue test's boxes are looked for: a box that answering one brings up (the
// launch goes on to its next step) is answered soon after.
constexpr auto kPoll = std::chrono::milliseconds(100);
// How long an answered box may take to go before it counts as still open.
constexpr DWORD kGoneMs = 1000;

void AwaitGone(HWND box) {
    const ULONGLONG deadline = GetTickCount64() + kGoneMs;
    while (IsWindow(box) && IsWindowVisible(box) && GetTickCount64() < deadline) {
        Sleep(10);
    }
}

} // namespace

BoxWatchdog::BoxWatchdog(std::chrono::milliseconds limit)
    : limit_(limit), thread_([this] { Watch(); }) {}

BoxWatchdog::~BoxWatchdog() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_one();
    thread_.join();
}

void BoxWatchdog::OnTestStart(const testing::TestInfo& test) {
    {
        std::lock_guard lock(mutex_);
        ++started_;
        running_ = true;
        named_ = false;
        name_ = std::string(test.test_suite_name()) + "." + test.name();
        deadline_ = Clock::now() + limit_;
    }
    changed_.notify_one();
}

// Called before the result is printed: a failure added up to here is part of it.
void BoxWatchdog::OnTestEnd(const testing::TestInfo&) {
    {
        std::lock_guard lock(mutex_);
        running_ = false;
    }
    changed_.notify_one();
}

void BoxWatchdog::Watch() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (!running_) {
            changed_.wait(lock);
        } else if (Clock::now() < deadline_) {
            changed_.wait_until(lock, deadline_);
        } else {
            if (!named_) {
                named_ = true;
                std::printf("[ WATCHDOG ] %s still running after %lld ms\n", name_.c_str(),
                            static_cast<long long>(limit_.count()));
                std::fflush(stdout);
            }
            const unsigned test = started_;
            lock.unlock();
            AnswerBoxes(test);
            lock.lock();
            changed_.wait_for(lock, kPoll);
        }
    }
}

void BoxWatchdog::AnswerBoxes(unsigned test) {
    for (HWND box : BoxesOfThisProcess()) {
        Answer(box, test);
    }
}

void BoxWatchdog::Answer(HWND box, unsigned test) {
    const BoxSeen seen = ReadBox(box);
    {
        std::lock_guard lock(mutex_);
        if (!running_ || started_ != test) {
            return;
        }
        ADD_FAILURE() << "still running " << limit_.count() << " ms after its start, in front of a "
                      << testing::PrintToString(seen) << " that nothing answered; pressed its OK";
        PressOk(box);
    }
    AwaitGone(box);
}
