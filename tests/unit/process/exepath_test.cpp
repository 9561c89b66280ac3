#include "process/appexec.h"

#include <gtest/gtest.h>

namespace {

TEST(ExePath, ClosingBackslashRules) {
    struct Case {
        const char* name;
        std::string stored;
        std::string assigned;
        std::string expected;
    };
    const Case cases[] = {
        {"one closing backslash", "", "C:\\Temp\\", "C:\\Temp"},
        {"none to remove", "", "C:\\Temp", "C:\\Temp"},
        {"drive root", "", "C:\\", "C:\\"},
        {"lone backslash", "", "\\", "\\"},
        {"two closing: one removed", "", "C:\\Temp\\\\", "C:\\Temp\\"},
        {"two backslashes only", "", "\\\\", "\\"},
        {"doubled drive root", "", "C:\\\\", "C:\\"},
        {"share", "", "\\\\server\\share\\", "\\\\server\\share"},
        {"any first character makes a root", "", "1:\\", "1:\\"},
        {"three characters, no colon", "", "ab\\", "ab"},
        {"drive without backslash", "", "C:", "C:"},
        {"forward slash kept", "", "C:/", "C:/"},
        {"empty clears", "C:\\Temp", "", ""},
        {"case counts", "C:\\Temp", "c:\\temp\\", "c:\\temp"},
        {"trimmed back to the stored form", "C:\\Temp", "C:\\Temp\\", "C:\\Temp"},
        {"empty over empty", "", "", ""},
        {"same again", "C:\\Temp", "C:\\Temp", "C:\\Temp"},
        {"stored form with its backslash again", "C:\\Temp\\\\", "C:\\Temp\\", "C:\\Temp\\"},
    };
    for (const Case& c : cases) {
        TAppExec exec(nullptr);
        exec.SetExePath(c.stored);
        exec.SetExePath(c.assigned);
        EXPECT_EQ(exec.ExePath(), c.expected) << c.name;
    }
}

} // namespace
