#pragma once

#include "framework/exception.h"

#include <string>
#include <vector>

using EStringListError = ExceptionClass<Exception, "EStringListError">;

// Ordered strings: items keep the order in which they were added, duplicates included.
// Copied only through Assign, so two lists never share their items by accident.
class TStringList {
public:
    TStringList() = default;
    TStringList(const TStringList&) = delete;
    TStringList& operator=(const TStringList&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EStringListError for an index outside 0 .. Count() - 1.
    const std::string& Strings(int index) const;
    void Add(const std::string& item) { items_.push_back(item); }
    void Clear() { items_.clear(); }
    // Replaces the items with a copy of source's. A null source raises EConvertError
    // before anything changes.
    void Assign(const TStringList* source);

private:
    std::vector<std::string> items_;
};
