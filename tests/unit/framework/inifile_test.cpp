#include "framework/inifile.h"
#include "tests/support/held_file.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

// Wine's profile writer rewrites the whole file and drops blank lines and the blanks around
// "=", where Windows keeps them. So the fixtures here have neither, and files are compared
// line by line with blank lines left out.

namespace {

namespace fs = std::filesystem;

// A fresh folder of the test's own, removed with everything in it.
class TempFolder {
public:
    explicit TempFolder(const std::string& name)
        : path_(fs::temp_directory_path() /
                ("ruvelin-inifile-" + name + "-" + std::to_string(GetCurrentProcessId()))) {
        fs::remove_all(path_);
        fs::create_directory(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

std::vector<std::string> NonBlankLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += std::string(line) + "\r\n";
    }
    return text;
}

TEST(IniFile, CreatingAndFreeingWithoutWriteTouchesNoFile) {
    TempFolder folder("untouched");
    const std::string existing = folder.Path("Existing.Ini");
    WriteFile(existing, Lines({"[UserMan]", "UseAutoStart=1"}));
    const auto written = fs::last_write_time(existing);
    { TIniFile ini(folder.Path("Quillmark.Ini")); }
    { TIniFile ini(existing); }
    EXPECT_FALSE(fs::exists(folder.Path("Quillmark.Ini")));
    EXPECT_EQ(ReadFile(existing), Lines({"[UserMan]", "UseAutoStart=1"}));
    EXPECT_EQ(fs::last_write_time(existing), written);
}

struct WriteCase {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

const WriteCase writeCases[] = {
    {"KeyReplacedInPlace",
     Lines({"[Other]", "UseAutoStart=1", "[UserMan]", "First=a", "UseAutoStart=1", "Last=b",
            "[Tail]", "Key=c"}),
     "UserMan", "UseAutoStart", "0",
     Lines({"[Other]", "UseAutoStart=1", "[UserMan]", "First=a", "UseAutoStart=0", "Last=b",
            "[Tail]", "Key=c"})},
    {"KeyMissingAddedToItsSection", Lines({"[UserMan]", "First=a", "[Tail]", "Key=c"}), "UserMan",
     "UseAutoStart", "0", Lines({"[UserMan]", "First=a", "UseAutoStart=0", "[Tail]", "Key=c"})},
    {"SectionMissingAdded", Lines({"[Other]", "Key=c"}), "UserMan", "UseAutoStart", "0",
     Lines({"[Other]", "Key=c", "[UserMan]", "UseAutoStart=0"})},
    {"EmptyFileGetsSectionAndKey", "", "UserMan", "UseAutoStart", "0",
     Lines({"[UserMan]", "UseAutoStart=0"})},
    {"ZeroWrittenAgainAsZero", Lines({"[UserMan]", "UseAutoStart=0", "Last=b"}), "UserMan",
     "UseAutoStart", "0", Lines({"[UserMan]", "UseAutoStart=0", "Last=b"})},
    {"CommentsKept", Lines({"; kept", "[UserMan]", "; also kept", "UseAutoStart=1"}), "UserMan",
     "UseAutoStart", "0", Lines({"; kept", "[UserMan]", "; also kept", "UseAutoStart=0"})},
    {"ValueWrittenAsGiven", Lines({"[UserMan]", "Path=old"}), "UserMan", "Path",
     "C:\\Program Files\\x y", Lines({"[UserMan]", "Path=C:\\Program Files\\x y"})},
};

TEST(IniFile, WriteStringChangesOnlyItsKey) {
    for (const WriteCase& row : writeCases) {
        SCOPED_TRACE(row.name);
        TempFolder folder(row.name);
        const std::string path = folder.Path("Quillmark.Ini");
        WriteFile(path, row.before);
        {
            TIniFile ini(path);
            ini.WriteString(row.section, row.key, row.value);
        }
        EXPECT_EQ(NonBlankLines(ReadFile(path)), NonBlankLines(row.after));
    }
}

TEST(IniFile, WriteBoolStoresOneOrZero) {
    const struct {
        const char* name;
        bool value;
        const char* stored;
    } rows[] = {{"True", true, "UseAutoStart=1"}, {"False", false, "UseAutoStart=0"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder(std::string("bool-") + row.name);
        const std::string path = folder.Path("Quillmark.Ini");
        WriteFile(path, Lines({"[UserMan]", "UseAutoStart=x"}));
        {
            TIniFile ini(path);
            ini.WriteBool("UserMan", "UseAutoStart", row.value);
        }
        EXPECT_EQ(NonBlankLines(ReadFile(path)),
                  (std::vector<std::string>{"[UserMan]", row.stored}));
    }
}

struct FailureCase {
    const char* name;
    const char* target;
    bool holdFile;
};

// What makes the write fail on Windows and under Wine alike, even as root: the file held open
// by someone who shares nothing, a folder at the path, a missing parent folder.
const FailureCase failureCases[] = {
    {"FileHeldOpenWithoutSharing", "Quillmark.Ini", true},
    {"FolderAtPath", "Folder", false},
    {"ParentFolderMissing", "Missing\\Quillmark.Ini", false},
};

TEST(IniFile, RefusedWriteRaisesWithPathAndChangesNothing) {
    const std::string before = Lines({"[UserMan]", "UseAutoStart=1"});
    for (const FailureCase& row : failureCases) {
        SCOPED_TRACE(row.name);
        TempFolder folder(row.name);
        WriteFile(folder.Path("Quillmark.Ini"), before);
        fs::create_directory(folder.Path("Folder"));
        UniqueHandle holder;
        if (row.holdFile) {
            holder = HoldWithoutSharing(folder.Path("Quillmark.Ini"));
            ASSERT_NE(holder.get(), INVALID_HANDLE_VALUE);
        }
        const std::string path = folder.Path(row.target);
        try {
            TIniFile ini(path);
            ini.WriteBool("UserMan", "UseAutoStart", false);
            ADD_FAILURE() << "the write did not raise";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(e.Message(), "Unable to write to " + path);
            EXPECT_STREQ(e.ClassName(), "EIniFileException");
        }
        holder.reset();
        EXPECT_EQ(ReadFile(folder.Path("Quillmark.Ini")), before);
        EXPECT_TRUE(fs::is_empty(folder.Path("Folder")));
        EXPECT_FALSE(fs::exists(folder.Path("Missing")));
    }
}

} // namespace
