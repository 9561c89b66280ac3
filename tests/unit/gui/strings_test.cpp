#include "framework/strings.h"

#include <gtest/gtest.h>

namespace {

// The entries of testform.rc's string table.
TEST(LoadStr, ReadsTheProgramsEntryInTheAnsiCodePageCutToItsBuffer) {
    EXPECT_EQ(LoadStr(1), "Mise \xE0 jour\n\rUpgrade");
    const std::string digits = LoadStr(2);
    EXPECT_EQ(digits.size(), 1023u);
    EXPECT_EQ(digits.substr(1010), "0123456789012");
    EXPECT_EQ(LoadStr(3), "");
}

} // namespace
