#include "framework/layout.h"

#include <gtest/gtest.h>

namespace {

// The main window's layout as its resource holds it (UTF-8), icon data shortened.
constexpr std::string_view MainLayout = R"(object MainForm: TMainForm
  Left = 444
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Installation'
  Font.Height = -13
  Font.Style = []
  Icon.Data = {
    00000100
    0100FF}
  OldCreateOrder = False
  OnCreate = FormCreate
  object Label1: TLabel
    Top = 12
    Caption = 'V)"
                                        "\xC3\xA9"
                                        R"(rification... / Verifying...'
  end
  object AppExec: TAppExec
    ExeName = 'Setup1.exe'
    Wait = True
  end
end
)";

template <typename T> T ValueOf(const LayoutObject& object, std::size_t index) {
    return std::get<T>(object.properties.at(index).value);
}

TEST(Layout, ParsesObjectsAndValuesInOrder) {
    const LayoutObject root = ParseLayout(MainLayout);
    EXPECT_EQ(root.name, "MainForm");
    EXPECT_EQ(root.className, "TMainForm");
    std::vector<std::string> names;
    for (const LayoutProperty& property : root.properties) {
        names.push_back(property.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Left", "BorderIcons", "BorderStyle", "Caption",
                                               "Font.Height", "Font.Style", "Icon.Data",
                                               "OldCreateOrder", "OnCreate"}));
    EXPECT_EQ(ValueOf<std::int64_t>(root, 0), 444);
    EXPECT_EQ(ValueOf<IdentifierSet>(root, 1), IdentifierSet{"biSystemMenu"});
    EXPECT_EQ(ValueOf<Identifier>(root, 2).name, "bsSingle");
    EXPECT_EQ(ValueOf<std::string>(root, 3), "Installation");
    EXPECT_EQ(ValueOf<std::int64_t>(root, 4), -13);
    EXPECT_TRUE(ValueOf<IdentifierSet>(root, 5).empty());
    EXPECT_EQ(ValueOf<Bytes>(root, 6), (Bytes{0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0xFF}));
    EXPECT_EQ(ValueOf<bool>(root, 7), false);
    EXPECT_EQ(ValueOf<Identifier>(root, 8).name, "FormCreate");

    ASSERT_EQ(root.children.size(), 2u);
    const LayoutObject& label = root.children[0];
    EXPECT_EQ(label.name, "Label1");
    EXPECT_EQ(label.className, "TLabel");
    EXPECT_EQ(ValueOf<std::int64_t>(label, 0), 12);
    const LayoutObject& appExec = root.children[1];
    EXPECT_EQ(appExec.className, "TAppExec");
    EXPECT_EQ(ValueOf<std::string>(appExec, 0), "Setup1.exe");
    EXPECT_EQ(ValueOf<bool>(appExec, 1), true);
}

TEST(Layout, StringsComeOutInTheAnsiCodePage) {
    const LayoutObject root = ParseLayout(MainLayout);
    const std::string caption = ValueOf<std::string>(root.children[0], 1);
    EXPECT_EQ(caption, "V\xE9rification... / Verifying...");
    EXPECT_EQ(caption.size(), 30u);
}

TEST(Layout, ReadsQuotesListsAndSignedNumbers) {
    const LayoutObject root = ParseLayout("object A: TA\n"
                                          "  Text = 'It''s'\n"
                                          "  Empty = ''\n"
                                          "  Items = (\n    'a'\n    'b c')\n"
                                          "  Plus = +7\n"
                                          "  Set = [x, y]\n"
                                          "end");
    EXPECT_EQ(ValueOf<std::string>(root, 0), "It's");
    EXPECT_EQ(ValueOf<std::string>(root, 1), "");
    EXPECT_EQ(ValueOf<StringItems>(root, 2).items, (std::vector<std::string>{"a", "b c"}));
    EXPECT_EQ(ValueOf<std::int64_t>(root, 3), 7);
    EXPECT_EQ(ValueOf<IdentifierSet>(root, 4), (IdentifierSet{"x", "y"}));
}

TEST(Layout, MalformedTextNamesItsLine) {
    struct Case {
        std::string_view text;
        std::string_view message;
    };
    const Case cases[] = {
        {"object A: TA\n  X = 1\n", "Invalid layout, line 3: name expected"},
        {"object A: TA\n  X = 'open\nend", "Invalid layout, line 2: unterminated string"},
        {"object A: TA\n  X = { 0A1 }\nend", "Invalid layout, line 2: hexadecimal byte expected"},
        {"object A: TA\n  X = 12px\nend", "Invalid layout, line 2: invalid integer"},
        {"object A: TA\n  X 1\nend", "Invalid layout, line 2: '=' expected"},
        {"object A: TA\nend\nend", "Invalid layout, line 3: end of text expected"},
        {"thing A: TA\nend", "Invalid layout, line 1: 'object' expected"},
    };
    for (const Case& c : cases) {
        try {
            ParseLayout(c.text);
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const EParserError& error) {
            EXPECT_EQ(error.Message(), c.message) << c.text;
        }
    }
}

} // namespace
