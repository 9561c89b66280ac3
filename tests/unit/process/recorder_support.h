#pragma once

// What the process tests need around real child processes: the recorder program that
// stands in for a started program, temporary folders, and the process-wide state that a
// test changes and must give back (current directory, environment).

#include "tests/support/current_directory.h"

#include <optional>
#include <string>

#include <windows.h>

// The recorder program, built next to the test program.
std::string RecorderPath();

// How the recorder was started, as it wrote it.
struct Record {
    std::string commandLine;
    std::string currentDirectory;
    unsigned long flags = 0;
    unsigned showWindow = 0;
    DWORD processId = 0;
    DWORD threadId = 0;
};

std::optional<Record> ReadRecord(const std::string& path);
// Waits up to ten seconds for a record to appear; the test fails when none does.
std::optional<Record> AwaitRecord(const std::string& path);
// Waits up to ten seconds for the recorded process to end; the test fails when it does not.
void AwaitEnd(const Record& record);
// True once the ended process's objects are gone, i.e. nobody holds a handle to the
// process or its thread. Wine frees a process object a little after its end: this polls.
bool ProcessObjectsFreed(const Record& record);

// A new empty folder under the temporary folder, removed with all it holds.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// An environment variable set for a test's length; started programs inherit it.
class EnvironmentVariable {
public:
    EnvironmentVariable(std::string name, const std::string& value);
    ~EnvironmentVariable();
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

    void Set(const std::string& value);

private:
    std::string name_;
};
