#pragma once

#include "framework/mutexguard.h"
#include "launcher/quillmark.h"
#include "tests/support/held_file.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <string>

// The suite's INI file at its fixed place, there for one test: the test prefix is shared by
// every unit test program, so the file, and its folder where the test made it, go at the end.
class SuiteIni {
public:
    explicit SuiteIni(const std::string& bytes)
        : madeFolder_(std::filesystem::create_directories(Path().parent_path())) {
        Write(bytes);
    }
    ~SuiteIni() {
        std::error_code ignored;
        std::filesystem::remove(Path(), ignored);
        if (madeFolder_) {
            std::filesystem::remove(Path().parent_path(), ignored);
        }
    }
    SuiteIni(const SuiteIni&) = delete;
    SuiteIni& operator=(const SuiteIni&) = delete;

    static std::filesystem::path Path() { return quillmark::kIniPath; }
    void Write(const std::string& bytes) const { std::ofstream(Path(), std::ios::binary) << bytes; }
    std::string Read() const {
        std::ostringstream bytes;
        bytes << std::ifstream(Path(), std::ios::binary).rdbuf();
        return bytes.str();
    }

private:
    bool madeFolder_;
};

// The user's settings with the switch as given. Wine's INI writer drops blank lines and the
// blanks around "=", so there are none here, and the file it writes back is byte for byte
// this with the switch at "0".
inline std::string Settings(const char* useAutoStart) {
    return std::string("; Quillmark settings\r\n"
                       "[General]\r\n"
                       "Language=FR\r\n"
                       "Data=C:\\Quillmark\\Data\r\n"
                       "[UserMan]\r\n"
                       "UseAutoStart=") +
           useAutoStart +
           "\r\n"
           "LastUser=Admin\r\n"
           "[Last]\r\n"
           "Window=10,10,640,480\r\n";
}

// Whether another thread, standing for the next copy of the launcher, gets its turn at the
// file at once.
inline bool NextCopyGetsItsTurnAtOnce() {
    return std::async(std::launch::async,
                      [] {
                          return TMutexGuard(quillmark::kIniSwitchMutex,
                                             std::chrono::milliseconds(0))
                              .Owned();
                      })
        .get();
}
