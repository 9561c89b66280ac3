#include "process/appexec.h"
#include "recorder_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

class ExecuteChangeDir : public ::testing::Test {
protected:
    void SetUp() override {
        exec_.SetExeName(RecorderPath());
        // With a wait, a program that was wrongly started has written its record when
        // Execute returns.
        exec_.SetWait(true);
    }

    TempFolder temp_;
    DirectoryGuard directory_;
    std::string record_ = temp_.Path() + "\\record.txt";
    EnvironmentVariable out_{"RECORDER_OUT", record_};
    TAppExec exec_{nullptr};
};

TEST_F(ExecuteChangeDir, ProgramStartsInExePathAndTheChangeStays) {
    const std::string folder = temp_.Path() + "\\work folder";
    CreateDirectoryA(folder.c_str(), nullptr);
    exec_.SetExePath(folder + "\\");
    exec_.Execute();
    const auto started = ReadRecord(record_);
    ASSERT_TRUE(started);
    EXPECT_EQ(started->currentDirectory, folder);
    EXPECT_EQ(CurrentDirectory(), folder);
}

TEST_F(ExecuteChangeDir, NoChangeWithoutChangeDirOrExePath) {
    struct Case {
        const char* name;
        bool changeDir;
        std::string exePath;
    };
    const Case cases[] = {
        {"ChangeDir false", false, temp_.Path()},
        {"ChangeDir false, missing folder", false, temp_.Path() + "\\missing"},
        {"ExePath empty", true, ""},
    };
    const std::string start = directory_.Saved();
    for (const Case& c : cases) {
        DeleteFileA(record_.c_str());
        exec_.SetChangeDir(c.changeDir);
        exec_.SetExePath(c.exePath);
        exec_.Execute();
        const auto started = ReadRecord(record_);
        ASSERT_TRUE(started) << c.name;
        EXPECT_EQ(started->currentDirectory, start) << c.name;
        EXPECT_EQ(CurrentDirectory(), start) << c.name;
    }
}

TEST_F(ExecuteChangeDir, RefusalRaisesAndStartsNothing) {
    const std::string file = temp_.Path() + "\\a file";
    std::ofstream(file) << "x";
    struct Case {
        const char* name;
        std::string exePath;
        const char* message;
    };
    const Case cases[] = {
        {"missing folder", temp_.Path() + "\\missing", "File not found"},
        {"missing parent", temp_.Path() + "\\missing\\below", "Invalid filename"},
        {"a file", file, "I/O error 267"},
    };
    for (const Case& c : cases) {
        exec_.SetExePath(c.exePath);
        try {
            exec_.Execute();
            ADD_FAILURE() << c.name << ": nothing raised";
        } catch (const EAppExecChDir& error) {
            EXPECT_EQ(error.Message(), c.message) << c.name;
            EXPECT_STREQ(error.ClassName(), "EAppExecChDir") << c.name;
        }
        EXPECT_EQ(exec_.ErrNo(), -1) << c.name;
        EXPECT_EQ(CurrentDirectory(), directory_.Saved()) << c.name;
        EXPECT_FALSE(ReadRecord(record_)) << c.name << ": a program was started";
    }
}

TEST_F(ExecuteChangeDir, RefusalKeepsAnEarlierErrNo) {
    exec_.SetExeName("no such program.exe");
    EXPECT_THROW(exec_.Execute(), EAppExecWinExec);
    exec_.SetExePath(temp_.Path() + "\\missing");
    EXPECT_THROW(exec_.Execute(), EAppExecChDir);
    EXPECT_EQ(exec_.ErrNo(), 2);
}

TEST_F(ExecuteChangeDir, AccessDenied) {
    // Wine refuses a directory with code 5 only where the host denies it even to root, as
    // some hosts do for the root folder of their first process.
    const std::string denied = "Z:\\proc\\1\\root";
    if (SetCurrentDirectoryA(denied.c_str()) || GetLastError() != ERROR_ACCESS_DENIED) {
        GTEST_SKIP() << "nothing here makes the system refuse a directory with code 5";
    }
    exec_.SetExePath(denied);
    try {
        exec_.Execute();
        FAIL() << "nothing raised";
    } catch (const EAppExecChDir& error) {
        EXPECT_EQ(error.Message(), "File access denied");
    }
    EXPECT_EQ(exec_.ErrNo(), -1);
    EXPECT_EQ(CurrentDirectory(), directory_.Saved());
    EXPECT_FALSE(ReadRecord(record_));
}

TEST_F(ExecuteChangeDir, NoProgramThereLeavesTheDirectoryChanged) {
    exec_.SetExePath(temp_.Path());
    exec_.SetExeName("no such program.exe");
    try {
        exec_.Execute();
        FAIL() << "nothing raised";
    } catch (const EAppExecWinExec& error) {
        EXPECT_EQ(error.Message(), "Fichier non trouv\xE9");
    }
    EXPECT_EQ(exec_.ErrNo(), 2);
    EXPECT_EQ(CurrentDirectory(), temp_.Path());
}

} // namespace
