#include "framework/stringlist.h"

#include "tests/support/stringlist_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void Fill(TStringList& list, const std::vector<std::string>& items) {
    for (const std::string& item : items) {
        list.Add(item);
    }
}

TEST(StringList, KeepsOrderAndDuplicates) {
    TStringList list;
    Fill(list, {"b", "a", "", "b"});
    EXPECT_EQ(ItemsOf(list), (std::vector<std::string>{"b", "a", "", "b"}));
}

TEST(StringList, IndexOutsideTheItemsRaises) {
    TStringList list;
    Fill(list, {"a"});
    for (int index : {-1, 1}) {
        try {
            list.Strings(index);
            ADD_FAILURE() << "index " << index << " raised nothing";
        } catch (const EStringListError& error) {
            EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
}

TEST(StringList, AssignReplacesItemsWithACopy) {
    struct Case {
        const char* name;
        std::vector<std::string> before;
        std::vector<std::string> source;
    };
    const Case cases[] = {
        {"into empty", {}, {"a", "b", "a"}},
        {"over items", {"x", "y"}, {"a"}},
        {"empty over items", {"x", "y"}, {}},
    };
    for (const Case& c : cases) {
        TStringList list;
        Fill(list, c.before);
        TStringList source;
        Fill(source, c.source);
        list.Assign(&source);
        EXPECT_EQ(ItemsOf(list), c.source) << c.name;
        source.Add("later");
        EXPECT_EQ(ItemsOf(list), c.source) << c.name << ": a later change of the source leaked";
    }
}

TEST(StringList, AssignFromNilRaisesAndKeepsItems) {
    TStringList list;
    Fill(list, {"a", "b"});
    try {
        list.Assign(nullptr);
        FAIL() << "nothing raised";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "Cannot assign a nil to a TStringList");
        EXPECT_STREQ(error.ClassName(), "EConvertError");
    }
    EXPECT_EQ(ItemsOf(list), (std::vector<std::string>{"a", "b"}));
}

} // namespace
