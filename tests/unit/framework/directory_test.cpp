#include "framework/directory.h"
#include "framework/inouterror.h"
#include "framework/programfile.h"
#include "tests/support/current_directory.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include <windows.h>

namespace {

TEST(InOutError, MessageByCode) {
    struct Case {
        int code;
        const char* message;
    };
    const Case cases[] = {
        {2, "File not found"},
        {3, "Invalid filename"},
        {4, "Too many open files"},
        {5, "File access denied"},
        {100, "Read beyond end of file"},
        {101, "Disk full"},
        {106, "Invalid numeric input"},
        {0, "I/O error 0"},
        {1, "I/O error 1"},
        {6, "I/O error 6"},
        {102, "I/O error 102"},
        {267, "I/O error 267"},
        {-1, "I/O error -1"},
        {INT_MIN, "I/O error -2147483648"},
    };
    for (const Case& c : cases) {
        const EInOutError error(c.code);
        EXPECT_EQ(error.Message(), c.message) << "code " << c.code;
        EXPECT_EQ(error.ErrorCode(), c.code) << "code " << c.code;
        EXPECT_STREQ(error.ClassName(), "EInOutError") << "code " << c.code;
    }
}

TEST(ChDir, ChangesTheCurrentDirectory) {
    DirectoryGuard guard;
    std::string windows(MAX_PATH, '\0');
    windows.resize(GetWindowsDirectoryA(windows.data(), MAX_PATH));
    ChDir(windows);
    EXPECT_EQ(CurrentDirectory(), windows);
}

TEST(ChDir, RefusalRaisesWithTheSystemsCodeAndKeepsTheDirectory) {
    DirectoryGuard guard;
    struct Case {
        const char* name;
        std::string path;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {"missing folder", guard.Saved() + "\\no such folder", 2, "File not found"},
        {"missing parent", guard.Saved() + "\\no such folder\\below", 3, "Invalid filename"},
        {"a file", ProgramPath(), ERROR_DIRECTORY, "I/O error 267"},
    };
    for (const Case& c : cases) {
        try {
            ChDir(c.path);
            ADD_FAILURE() << c.name << ": nothing raised";
        } catch (const EInOutError& error) {
            EXPECT_EQ(error.ErrorCode(), c.code) << c.name;
            EXPECT_EQ(error.Message(), c.message) << c.name;
        }
        EXPECT_EQ(CurrentDirectory(), guard.Saved()) << c.name;
    }
}

} // namespace
