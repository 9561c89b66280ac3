#include "process/appexec.h"
#include "recorder_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

// Each test starts the recorder, which writes how it was started to a record file in a
// temporary folder of the test's own.
class Execute : public ::testing::Test {
protected:
    void SetUp() override { exec_.SetExeName(RecorderPath()); }

    // A fresh record for each start of a test that starts more than once.
    std::string NewRecordPath() {
        const std::string path = temp_.Path() + "\\record" + std::to_string(++records_) + ".txt";
        out_.Set(path);
        return path;
    }

    TempFolder temp_;
    DirectoryGuard directory_;
    int records_ = 0;
    EnvironmentVariable out_{"RECORDER_OUT", ""};
    TAppExec exec_{nullptr};
};

void SetItems(TAppExec& exec, const std::vector<std::string>& items) {
    exec.ExeParams()->Clear();
    for (const std::string& item : items) {
        exec.ExeParams()->Add(item);
    }
}

TEST_F(Execute, CommandLineReachesTheProgramAsBuilt) {
    struct Case {
        const char* name;
        std::vector<std::string> items;
        std::string tail;
    };
    const Case cases[] = {
        {"no items: no trailing blank", {}, ""},
        {"blank inside an item, no quotes added", {"a", "b c"}, " a b c"},
        {"empty item between two", {"a", "", "b"}, " a  b"},
        {"empty items only", {"", ""}, "  "},
        {"quotes kept as given", {"\"x y\"", "'z'"}, " \"x y\" 'z'"},
        {"code page 1252 bytes", {"caf\xE9", "\xE0"}, " caf\xE9 \xE0"},
    };
    exec_.SetWait(true);
    for (const Case& c : cases) {
        const std::string record = NewRecordPath();
        SetItems(exec_, c.items);
        exec_.Execute();
        const auto started = ReadRecord(record);
        ASSERT_TRUE(started) << c.name;
        EXPECT_EQ(started->commandLine, RecorderPath() + c.tail) << c.name;
    }
}

TEST_F(Execute, LongCommandLinesReachTheProgramWhole) {
    exec_.SetWait(true);
    for (std::size_t length : {511u, 512u, 513u, 5000u, 32000u}) {
        const std::string record = NewRecordPath();
        const std::string item(length - RecorderPath().size() - 1, 'x');
        SetItems(exec_, {item});
        exec_.Execute();
        const auto started = ReadRecord(record);
        ASSERT_TRUE(started) << "length " << length;
        EXPECT_EQ(started->commandLine.size(), length);
        EXPECT_EQ(started->commandLine, RecorderPath() + " " + item) << "length " << length;
    }
}

TEST_F(Execute, OnlyTheSystemRefusesAnOverlongLine) {
    const std::string record = NewRecordPath();
    exec_.SetWait(true);
    SetItems(exec_, {std::string(40000, 'x')});
    try {
        exec_.Execute();
        FAIL() << "nothing raised";
    } catch (const EAppExecWinExec& error) {
        // Wine's answer to a line over its limit; codes from 32 up read "no error".
        EXPECT_EQ(exec_.ErrNo(), ERROR_INVALID_PARAMETER);
        EXPECT_EQ(error.Message(), "Pas d'erreur");
    }
    EXPECT_FALSE(ReadRecord(record));
}

TEST_F(Execute, EmptyExeNameGoesToTheSystemAsItIs) {
    struct Case {
        const char* name;
        std::vector<std::string> items;
    };
    // Wine takes what stands before the first blank as the program, and an empty name is
    // no program. " <recorder> x" would start the recorder if the line were trimmed.
    const Case cases[] = {
        {"no items: empty line", {}},
        {"items: line starts with a blank", {RecorderPath(), "x"}},
    };
    for (const Case& c : cases) {
        const std::string record = NewRecordPath();
        TAppExec exec(nullptr);
        exec.SetWait(true);
        SetItems(exec, c.items);
        try {
            exec.Execute();
            ADD_FAILURE() << c.name << ": nothing raised";
        } catch (const EAppExecWinExec& error) {
            EXPECT_EQ(exec.ErrNo(), ERROR_FILE_NOT_FOUND) << c.name;
            EXPECT_EQ(error.Message(), "Fichier non trouv\xE9") << c.name;
        }
        EXPECT_FALSE(ReadRecord(record)) << c.name << ": a program was started";
    }
}

TEST_F(Execute, BareNameIsFoundInTheStartersFolder) {
    const std::string record = NewRecordPath();
    SetCurrentDirectoryA(temp_.Path().c_str());
    exec_.SetExeName("recorder.exe");
    exec_.SetWait(true);
    exec_.Execute();
    const auto started = ReadRecord(record);
    ASSERT_TRUE(started);
    EXPECT_EQ(started->commandLine, "recorder.exe");
}

TEST_F(Execute, WindowStateReachesTheProgramAsShowState) {
    struct Case {
        TWindowState state;
        unsigned showWindow;
    };
    const Case cases[] = {{wsMinimized, 2}, {wsMaximized, 3}, {wsNormal, 1}};
    exec_.SetWait(true);
    for (const Case& c : cases) {
        const std::string record = NewRecordPath();
        exec_.SetWindowState(c.state);
        exec_.Execute();
        const auto started = ReadRecord(record);
        ASSERT_TRUE(started) << "state " << int(c.state);
        EXPECT_EQ(started->flags, STARTF_USESHOWWINDOW) << "state " << int(c.state);
        EXPECT_EQ(started->showWindow, c.showWindow) << "state " << int(c.state);
    }
}

TEST_F(Execute, NoProgramByThatName) {
    exec_.SetExeName("no such program.exe");
    try {
        exec_.Execute();
        FAIL() << "nothing raised";
    } catch (const EAppExecWinExec& error) {
        EXPECT_EQ(exec_.ErrNo(), 2);
        EXPECT_EQ(error.Message(), "Fichier non trouv\xE9");
        EXPECT_EQ(error.Message().size(), 18u);
    }
}

TEST_F(Execute, StartWithoutWaitLeavesErrNo) {
    const std::string first = NewRecordPath();
    exec_.Execute();
    EXPECT_EQ(exec_.ErrNo(), -1) << "new component";
    ASSERT_TRUE(AwaitRecord(first));

    exec_.SetExeName("no such program.exe");
    EXPECT_THROW(exec_.Execute(), EAppExecWinExec);
    ASSERT_EQ(exec_.ErrNo(), 2);

    const std::string second = NewRecordPath();
    exec_.SetExeName(RecorderPath());
    exec_.Execute();
    EXPECT_EQ(exec_.ErrNo(), 2) << "after an earlier failure";
    ASSERT_TRUE(AwaitRecord(second));
}

TEST_F(Execute, WaitReturnsAfterTheEndAndClearsErrNo) {
    EnvironmentVariable sleep("RECORDER_SLEEP_MS", "500");
    EnvironmentVariable exitCode("RECORDER_EXIT_CODE", "7");
    exec_.SetExeName("no such program.exe");
    EXPECT_THROW(exec_.Execute(), EAppExecWinExec);

    const std::string record = NewRecordPath();
    exec_.SetExeName(RecorderPath());
    exec_.SetWait(true);
    const auto before = std::chrono::steady_clock::now();
    exec_.Execute();
    const auto waited = std::chrono::steady_clock::now() - before;
    EXPECT_EQ(exec_.ErrNo(), 0);
    EXPECT_GE(waited, std::chrono::milliseconds(500));
    // The recorder writes its record only after its sleep, just before it ends.
    const auto started = ReadRecord(record);
    ASSERT_TRUE(started) << "returned before the program ended";
    EXPECT_TRUE(ProcessObjectsFreed(*started)) << "a handle of the process was kept";
}

TEST_F(Execute, TwoStartsTwoProcessesNoHandleKept) {
    const std::string first = NewRecordPath();
    exec_.Execute();
    const std::string second = NewRecordPath();
    exec_.Execute();
    const auto one = AwaitRecord(first);
    const auto two = AwaitRecord(second);
    ASSERT_TRUE(one && two);
    EXPECT_NE(one->processId, two->processId);
    for (const Record& started : {*one, *two}) {
        AwaitEnd(started);
        EXPECT_TRUE(ProcessObjectsFreed(started))
            << "a handle of process " << started.processId << " was kept";
    }
}

} // namespace
