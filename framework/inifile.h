#pragma once

#include "framework/exception.h"

#include <string>

using EIniFileException = ExceptionClass<Exception, "EIniFileException">;

// Writes keys of one INI file through the system's profile functions. Creating it only
// records the path; freeing it asks the system to flush its cached copy of the file, so
// hold it in a scope that ends on the failure path too.
class TIniFile {
public:
    explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    // Adds the section and the key where the file lacks them, else replaces the value.
    // Raises EIniFileException when the system refuses the write.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    // Stores true as "1" and false as "0".
    void WriteBool(const std::string& section, const std::string& key, bool value);

private:
    std::string fileName_;
};
