// The unit test programs' main: GoogleTest's own, with the box watchdog installed.

#include "tests/support/watchdog.h"

#include <gtest/gtest.h>

namespace {

// Well past the longest test (about 2 s, most of it a box held open on purpose), yet short
// enough that a box nobody answers costs seconds, not the program's whole time limit.
constexpr std::chrono::seconds kTestLimit(10);

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    BoxWatchdog watchdog(kTestLimit);
    testing::TestEventListeners& listeners = testing::UnitTest::GetInstance()->listeners();
    // After the result printer: its start comes first and its end last, after the watchdog's.
    listeners.Append(&watchdog);
    const int result = RUN_ALL_TESTS();
    listeners.Release(&watchdog);
    return result;
}
