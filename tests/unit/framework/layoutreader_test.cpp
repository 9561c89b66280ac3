#include "framework/layoutreader.h"

#include <gtest/gtest.h>

namespace {

// A component that records every property write, in order.
class TThing : public TComponent {
public:
    explicit TThing(TComponent* owner) : TComponent(owner) {}
    static const ComponentClass& Class() {
        static const ComponentClass type{
            .name = "TThing",
            .parent = &ComponentBaseClass(),
            .create = [](TComponent* owner) { return new TThing(owner); },
            .properties = {Property("Count", &TThing::SetCount), Property("Text", &TThing::SetText),
                           Property("OnFire", &TThing::SetOnFire)},
        };
        return type;
    }
    void SetCount(int count) { writes.push_back("Count=" + std::to_string(count)); }
    void SetText(const std::string& text) { writes.push_back("Text=" + text); }
    void SetOnFire(TNotifyEvent handler) {
        writes.push_back("OnFire");
        onFire = std::move(handler);
    }

    std::vector<std::string> writes;
    TNotifyEvent onFire;
};

class TRoot : public TComponent {
public:
    explicit TRoot(TComponent* owner) : TComponent(owner) {}
    static const ComponentClass& Class() {
        static const ComponentClass type{
            .name = "TRoot",
            .parent = &ComponentBaseClass(),
            .create = [](TComponent* owner) { return new TRoot(owner); },
            .fields = {Field("First", TThing::Class(), &TRoot::First),
                       Field("Second", TThing::Class(), &TRoot::Second)},
            .methods = {Method("FirstFire", &TRoot::FirstFire)},
        };
        return type;
    }
    void FirstFire(TComponent* sender) { firedBy = sender; }

    TThing* First = nullptr;
    TThing* Second = nullptr;
    TComponent* firedBy = nullptr;
};

void Read(TRoot& root, std::string_view text) {
    ReadComponentLayout(root, TRoot::Class(), ParseLayout(text));
}

TEST(LayoutReader, CreatesComponentsThroughFieldsAndSetsPropertiesInOrder) {
    TRoot root(nullptr);
    Read(root, "object Root: TRoot\n"
               "  Tag = 7\n"
               "  object Second: TThing\n"
               "    Text = 'two'\n"
               "    Count = 2\n"
               "    Left = 244\n"
               "    Top = 4\n"
               "  end\n"
               "  object First: TThing\n"
               "    OnFire = FirstFire\n"
               "    Count = 1\n"
               "  end\n"
               "end");
    EXPECT_EQ(root.Name(), "Root");
    EXPECT_EQ(root.Tag(), 7);
    ASSERT_NE(root.First, nullptr);
    ASSERT_NE(root.Second, nullptr);
    EXPECT_EQ(root.Components(), (std::vector<TComponent*>{root.Second, root.First}));
    EXPECT_EQ(root.First->Owner(), &root);
    EXPECT_EQ(root.First->Name(), "First");
    EXPECT_EQ(root.Second->writes, (std::vector<std::string>{"Text=two", "Count=2"}));
    EXPECT_EQ(root.First->writes, (std::vector<std::string>{"OnFire", "Count=1"}));
    root.First->onFire(root.First);
    EXPECT_EQ(root.firedBy, root.First);
}

TEST(LayoutReader, RefusesLayoutsThatDoNotFitTheClasses) {
    struct Case {
        std::string_view text;
        std::string_view message;
    };
    const Case cases[] = {
        {"object R: TOther\nend", "Layout of TOther read into TRoot"},
        {"object R: TRoot\n  object Third: TThing\n  end\nend", "Field Third not found in TRoot"},
        {"object R: TRoot\n  object First: TLabel\n  end\nend",
         "Field First is not of class TLabel"},
        {"object R: TRoot\n  object First: TThing\n    OnFire = Missing\n  end\nend",
         "Invalid handler for First.OnFire"},
        {"object R: TRoot\n  object First: TThing\n    object X: TThing\n    end\n  end\nend",
         "First cannot hold components"},
    };
    for (const Case& c : cases) {
        TRoot root(nullptr);
        try {
            Read(root, c.text);
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const EReadError& error) {
            EXPECT_EQ(error.Message(), c.message) << c.text;
        }
    }
}

TEST(LayoutReader, PassesOnWhatAPropertyRefuses) {
    TRoot root(nullptr);
    EXPECT_THROW(Read(root, "object R: TRoot\n  object First: TThing\n    Size = 1\n  end\nend"),
                 EConvertError);
    EXPECT_THROW(
        Read(root, "object R: TRoot\n  object Second: TThing\n    Count = 'x'\n  end\nend"),
        EConvertError);
}

} // namespace
