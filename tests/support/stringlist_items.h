#pragma once

#include "framework/stringlist.h"

#include <string>
#include <vector>

// A list's items, for comparing in one expectation.
inline std::vector<std::string> ItemsOf(const TStringList& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.Count(); ++i) {
        items.push_back(list.Strings(i));
    }
    return items;
}
