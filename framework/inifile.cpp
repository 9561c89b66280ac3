#include "framework/inifile.h"

#include <windows.h>

TIniFile::~TIniFile() {
    // Nothing to report from a destructor: a write that mattered has already raised.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName_.c_str());
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                    fileName_.c_str())) {
        throw EIniFileException("Unable to write to " + fileName_);
    }
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}
