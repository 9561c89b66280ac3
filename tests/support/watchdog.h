#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Keeps a test from waiting for ever on a box that the code under test opened and nothing
// answers: once a test has run past the limit, each box of this process that is still shown
// fails the test, named by its caption and text, and is answered with OK, until the test ends.
// An overdue test with no box open is named in the output, so that a program that hangs says
// where.
class BoxWatchdog : public testing::EmptyTestEventListener {
public:
    explicit BoxWatchdog(std::chrono::milliseconds limit);
    ~BoxWatchdog() override;
    BoxWatchdog(const BoxWatchdog&) = delete;
    BoxWatchdog& operator=(const BoxWatchdog&) = delete;

    void OnTestStart(const testing::TestInfo& test) override;
    void OnTestEnd(const testing::TestInfo& test) override;

private:
    using Clock = std::chrono::steady_clock;

    void Watch();
    // Outside the lock: reading a box sends messages to the thread that shows it.
    void AnswerBoxes(unsigned test);
    void Answer(HWND box, unsigned test);

    const std::chrono::milliseconds limit_;
    std::mutex mutex_;
    std::condition_variable changed_;
    // Counts the tests started; the one running is overdue from its deadline on.
    unsigned started_ = 0;
    bool running_ = false;
    bool named_ = false;
    std::string name_;
    Clock::time_point deadline_;
    bool stopping_ = false;
    std::thread thread_;
};
