#include "recorder_support.h"

#include "tests/support/beside_this_program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

std::string RecorderPath() {
    return BesideThisProgram("recorder.exe");
}

std::optional<Record> ReadRecord(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    Record record;
    if (!std::getline(in, record.commandLine) || !std::getline(in, record.currentDirectory) ||
        !(in >> record.flags >> record.showWindow >> record.processId >> record.threadId)) {
        return std::nullopt;
    }
    return record;
}

std::optional<Record> AwaitRecord(const std::string& path) {
    for (int tries = 0; tries < 500; ++tries) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
            return ReadRecord(path);
        }
        Sleep(20);
    }
    ADD_FAILURE() << "no record in " << path << " within 10000 ms";
    return std::nullopt;
}

void AwaitEnd(const Record& record) {
    if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, record.processId)) {
        if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) {
            ADD_FAILURE() << "recorder process " << record.processId
                          << " still running after 10000 ms";
        }
        CloseHandle(process);
    }
}

bool ProcessObjectsFreed(const Record& record) {
    for (int tries = 0; tries < 200; ++tries) {
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, record.processId);
        HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, record.threadId);
        const bool freed = process == nullptr && thread == nullptr;
        for (HANDLE handle : {process, thread}) {
            if (handle != nullptr) {
                CloseHandle(handle);
            }
        }
        if (freed) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

TempFolder::TempFolder() {
    static int made = 0;
    char temp[MAX_PATH];
    const std::string base(temp, GetTempPathA(MAX_PATH, temp));
    path_ =
        base + "ruvelin-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made);
    CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

EnvironmentVariable::EnvironmentVariable(std::string name, const std::string& value)
    : name_(std::move(name)) {
    Set(value);
}

EnvironmentVariable::~EnvironmentVariable() {
    SetEnvironmentVariableA(name_.c_str(), nullptr);
}

void EnvironmentVariable::Set(const std::string& value) {
    SetEnvironmentVariableA(name_.c_str(), value.c_str());
}
