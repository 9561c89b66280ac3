#include "framework/layout.h"

#include <windows.h>

#include <cctype>
#include <charconv>

namespace {

std::string Utf8ToAnsi(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    const int wideSize = static_cast<int>(wide.size());
    std::string ansi(
        WideCharToMultiByte(CP_ACP, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideSize, ansi.data(),
                        static_cast<int>(ansi.size()), nullptr, nullptr);
    return ansi;
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    LayoutObject Document() {
        LayoutObject root = Object();
        SkipBlanks();
        if (position_ != text_.size()) {
            Fail("end of text expected");
        }
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        int line = 1;
        for (std::size_t i = 0; i < position_ && i < text_.size(); ++i) {
            line += text_[i] == '\n' ? 1 : 0;
        }
        throw EParserError("Invalid layout, line " + std::to_string(line) + ": " + what);
    }

    void SkipBlanks() {
        while (position_ < text_.size() &&
               std::isspace(static_cast<unsigned char>(text_[position_])) != 0) {
            ++position_;
        }
    }

    char Peek() {
        SkipBlanks();
        return position_ < text_.size() ? text_[position_] : '\0';
    }

    void Expect(char c) {
        if (Peek() != c) {
            Fail(std::string("'") + c + "' expected");
        }
        ++position_;
    }

    std::string Name() {
        SkipBlanks();
        const std::size_t start = position_;
        while (position_ < text_.size() && IsNameChar(text_[position_])) {
            ++position_;
        }
        if (position_ == start) {
            Fail("name expected");
        }
        return std::string(text_.substr(start, position_ - start));
    }

    LayoutObject Object() {
        if (Name() != "object") {
            Fail("'object' expected");
        }
        LayoutObject object;
        object.name = Name();
        Expect(':');
        object.className = Name();
        for (std::string word = Name(); word != "end"; word = Name()) {
            if (word == "object") {
                position_ -= word.size();
                object.children.push_back(Object());
            } else {
                Expect('=');
                object.properties.push_back({word, Value()});
            }
        }
        return object;
    }

    PropertyValue Value() {
        const char c = Peek();
        if (c == '\'') {
            return String();
        }
        if (c == '-' || c == '+' || std::isdigit(static_cast<unsigned char>(c)) != 0) {
            return Integer();
        }
        if (c == '[') {
            return Set();
        }
        if (c == '{') {
            return HexBytes();
        }
        if (c == '(') {
            return Strings();
        }
        std::string identifier = Name();
        if (identifier == "True" || identifier == "False") {
            return identifier == "True";
        }
        return Identifier{identifier};
    }

    std::string String() {
        Expect('\'');
        std::string utf8;
        for (;;) {
            if (position_ >= text_.size() || text_[position_] == '\n') {
                Fail("unterminated string");
            }
            const char c = text_[position_++];
            if (c == '\'') {
                if (position_ >= text_.size() || text_[position_] != '\'') {
                    return Utf8ToAnsi(utf8);
                }
                ++position_;
            }
            utf8 += c;
        }
    }

    std::int64_t Integer() {
        SkipBlanks();
        std::size_t start = position_;
        if (text_[start] == '+') {
            ++start;
        }
        std::int64_t value = 0;
        const char* end = text_.data() + text_.size();
        auto [stop, error] = std::from_chars(text_.data() + start, end, value);
        if (error != std::errc() || (stop != end && IsNameChar(*stop))) {
            Fail("invalid integer");
        }
        position_ = static_cast<std::size_t>(stop - text_.data());
        return value;
    }

    IdentifierSet Set() {
        Expect('[');
        IdentifierSet set;
        if (Peek() == ']') {
            ++position_;
            return set;
        }
        for (;;) {
            set.push_back(Name());
            if (Peek() == ']') {
                ++position_;
                return set;
            }
            Expect(',');
        }
    }

    Bytes HexBytes() {
        Expect('{');
        Bytes bytes;
        while (Peek() != '}') {
            if (position_ + 1 >= text_.size()) {
                Fail("'}' expected");
            }
            const int high = HexDigit(text_[position_]);
            const int low = HexDigit(text_[position_ + 1]);
            if (high < 0 || low < 0) {
                Fail("hexadecimal byte expected");
            }
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
            position_ += 2;
        }
        ++position_;
        return bytes;
    }

    StringItems Strings() {
        Expect('(');
        StringItems list;
        while (Peek() != ')') {
            list.items.push_back(String());
        }
        ++position_;
        return list;
    }

    std::string_view text_;
    std::size_t position_ = 0;
};

} // namespace

LayoutObject ParseLayout(std::string_view text) {
    return Parser(text).Document();
}
