#include "framework/application.h"
#include "framework/startup.h"

#include <gtest/gtest.h>

namespace {

TEST(Application, TitleIsTheFileNameBeforeItsFirstDotInLowerCaseAfterTheFirstLetter) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Setup\\ABC.DEF.EXE", "Abc"},
        {"C:\\Program Files\\Ruvelin.exe", "Ruvelin"},
        {"ruvelin.exe", "ruvelin"},
        {"Z:/build/bin/GUI_TESTS.EXE", "Gui_tests"},
        {"C:\\Dir.With.Dots\\NoDot", "Nodot"},
        {"C:\\\xC9T\xC9.EXE", "\xC9t\xE9"},
    };
    for (const auto& [path, title] : cases) {
        EXPECT_EQ(TitleFromFileName(path), title) << path;
    }
}

TEST(Application, FullStopIsAddedWhenTheLastCharacterSortsAfterIt) {
    const std::pair<std::string, std::string> cases[] = {
        {"Done.", "Done."},          {"Failed", "Failed."},
        {"Code 5", "Code 5."},       {"Why?", "Why?."},
        {"Stop!", "Stop!"},          {"(see above)", "(see above)"},
        {"Trailing ", "Trailing "},  {"", ""},
        {"Fini \xE0", "Fini \xE0."}, {"Dash-", "Dash-"},
        {"Slash/", "Slash/."},
    };
    for (const auto& [message, shown] : cases) {
        EXPECT_EQ(MessageWithFullStop(message), shown) << message;
    }
}

TEST(Startup, FailureTextNamesClassModuleAddressAndMessage) {
    const void* address = reinterpret_cast<const void*>(std::uintptr_t{0x4A2B3C});
    const std::string digits(2 * sizeof(void*) - 6, '0');
    EXPECT_EQ(
        StartupFailureText("EResNotFound", "Ruvelin.exe", address, "Resource TMAINFORM not found"),
        "Exception EResNotFound in module Ruvelin.exe at " + digits +
            "4A2B3C.\r\nResource TMAINFORM not found.\r\n");
    // The full stop is added only where the message lacks one, whatever it ends in.
    EXPECT_EQ(StartupFailureText("E", "m.exe", address, "Ends here."),
              "Exception E in module m.exe at " + digits + "4A2B3C.\r\nEnds here.\r\n");
    EXPECT_EQ(StartupFailureText("E", "m.exe", address, "Really!"),
              "Exception E in module m.exe at " + digits + "4A2B3C.\r\nReally!.\r\n");
    EXPECT_EQ(StartupFailureText("E", "m.exe", address, ""),
              "Exception E in module m.exe at " + digits + "4A2B3C.\r\n\r\n");
}

} // namespace
