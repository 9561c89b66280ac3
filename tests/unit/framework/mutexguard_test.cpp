#include "framework/mutexguard.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <future>
#include <optional>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;

std::string UniqueName(const std::string& what) {
    return "ruvelin-mutexguard-" + what + "-" + std::to_string(GetCurrentProcessId());
}

// Whether another thread can take the mutex at once, and finds it released, not abandoned.
bool FreeForAnotherThread(const std::string& name) {
    return std::async(std::launch::async,
                      [&] {
                          const HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
                          const bool taken =
                              mutex != nullptr && WaitForSingleObject(mutex, 0) == WAIT_OBJECT_0;
                          if (taken) {
                              ReleaseMutex(mutex);
                          }
                          if (mutex != nullptr) {
                              CloseHandle(mutex);
                          }
                          return taken;
                      })
        .get();
}

TEST(MutexGuard, HoldsTheMutexForItsLifetimeOnly) {
    for (const char* prefix : {"", "Local\\", "Global\\"}) {
        SCOPED_TRACE(prefix);
        const std::string name = prefix + UniqueName("lifetime");
        {
            const TMutexGuard guard(name, 0ms);
            ASSERT_TRUE(guard.Owned());
            EXPECT_FALSE(FreeForAnotherThread(name));
        }
        EXPECT_TRUE(FreeForAnotherThread(name));
    }
}

// Another thread that holds the mutex from its construction until it is told to let go: then
// it releases it, or ends without releasing it and so leaves it abandoned.
class Holder {
public:
    explicit Holder(const std::string& name) : thread_([this, name] { Hold(name); }) {
        holds_ = held_.get_future().get();
    }
    ~Holder() {
        LetGo(false);
        thread_.join();
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

    bool Holds() const { return holds_; }
    void LetGo(bool abandon) {
        if (!letGoSent_) {
            letGoSent_ = true;
            abandon_ = abandon;
            letGo_.set_value();
        }
    }

private:
    void Hold(const std::string& name) {
        const HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
        const bool held = mutex != nullptr && WaitForSingleObject(mutex, 5000) == WAIT_OBJECT_0;
        held_.set_value(held);
        letGo_.get_future().wait();
        if (held && !abandon_) {
            ReleaseMutex(mutex);
        }
        if (mutex != nullptr) {
            CloseHandle(mutex);
        }
    }

    std::promise<bool> held_;
    std::promise<void> letGo_;
    bool letGoSent_ = false;
    bool abandon_ = false;
    bool holds_ = false;
    std::thread thread_;
};

// How a guard taken on a thread of its own fared.
struct Turn {
    bool owned = false;
    milliseconds took{};
};

std::future<Turn> TakeOnAnotherThread(const std::string& name, milliseconds wait) {
    return std::async(std::launch::async, [name, wait] {
        const auto start = std::chrono::steady_clock::now();
        const TMutexGuard guard(name, wait);
        return Turn{guard.Owned(), std::chrono::duration_cast<milliseconds>(
                                       std::chrono::steady_clock::now() - start)};
    });
}

// Far past every wait asked for below: a guard that waits unbounded shows here.
std::optional<Turn> Within10Seconds(std::future<Turn>& turn) {
    if (turn.wait_for(10s) != std::future_status::ready) {
        return std::nullopt;
    }
    return turn.get();
}

TEST(MutexGuard, WaitsForAnotherHolderNoLongerThanAskedAndTakesAnAbandonedMutex) {
    enum class Then { Keeps, Releases, EndsHoldingIt };
    const struct {
        const char* name;
        milliseconds wait;
        Then holder;
        bool owned;
        milliseconds tookAtLeast;
    } rows[] = {
        {"HolderKeepsItPastTheWait", 300ms, Then::Keeps, false, 250ms},
        {"HolderReleasesItDuringTheWait", 5000ms, Then::Releases, true, 150ms},
        {"HolderEndsHoldingIt", 5000ms, Then::EndsHoldingIt, true, 150ms},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string name = UniqueName(row.name);
        // Made before the holder, so that it outlives it: a guard that hangs then ends too.
        std::future<Turn> pending;
        std::optional<Turn> turn;
        {
            Holder holder(name);
            ASSERT_TRUE(holder.Holds());
            pending = TakeOnAnotherThread(name, row.wait);
            std::this_thread::sleep_for(200ms);
            if (row.holder != Then::Keeps) {
                holder.LetGo(row.holder == Then::EndsHoldingIt);
            }
            turn = Within10Seconds(pending);
        }
        ASSERT_TRUE(turn.has_value()) << "the guard was still waiting after 10 s";
        EXPECT_EQ(turn->owned, row.owned);
        EXPECT_GE(turn->took, row.tookAtLeast);
        EXPECT_LT(turn->took, row.wait + 2000ms);
        // The guard's thread has ended: it released what it owned.
        EXPECT_TRUE(FreeForAnotherThread(name));
    }
}

TEST(MutexGuard, ANameThatCannotBeAMutexLetsTheCallerGoOnAtOnce) {
    const std::string eventName = UniqueName("event");
    const HANDLE event = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
    ASSERT_NE(event, nullptr);
    const struct {
        const char* name;
        std::string mutexName;
    } rows[] = {
        {"NameOfAnEvent", eventName},
        {"UnknownNamespace", "NoSuchNamespace\\" + UniqueName("namespace")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto pending = TakeOnAnotherThread(row.mutexName, 5000ms);
        const std::optional<Turn> turn = Within10Seconds(pending);
        ASSERT_TRUE(turn.has_value()) << "the guard was still waiting after 10 s";
        EXPECT_FALSE(turn->owned);
        EXPECT_LT(turn->took, 1000ms);
    }
    CloseHandle(event);
}

} // namespace
