#include "framework/files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// A folder of the test's own holding one file and one subfolder, removed at the end.
class Fixture {
public:
    Fixture()
        : root_(fs::temp_directory_path() /
                ("ruvelin-files-" + std::to_string(GetCurrentProcessId()))) {
        fs::remove_all(root_);
        fs::create_directories(root_ / "Folder");
        std::ofstream(root_ / "File.Ini") << "[UserMan]";
        std::ofstream(root_ / "ReadOnly.Ini");
        SetFileAttributesA(Path("ReadOnly.Ini").c_str(), FILE_ATTRIBUTE_READONLY);
    }
    ~Fixture() {
        SetFileAttributesA(Path("ReadOnly.Ini").c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    Fixture(const Fixture&) = delete;
    Fixture& operator=(const Fixture&) = delete;

    std::string Path(const std::string& name) const { return root_.string() + "\\" + name; }

private:
    fs::path root_;
};

TEST(FileExists, OnlyAnExistingFileCounts) {
    const Fixture fixture;
    const struct {
        const char* name;
        std::string path;
        bool expected;
    } rows[] = {
        {"ExistingFile", fixture.Path("File.Ini"), true},
        {"ReadOnlyFile", fixture.Path("ReadOnly.Ini"), true},
        {"FileNameInOtherCase", fixture.Path("FILE.INI"), true},
        {"Folder", fixture.Path("Folder"), false},
        {"FolderWithTrailingBackslash", fixture.Path("Folder\\"), false},
        {"FileWithTrailingBackslash", fixture.Path("File.Ini\\"), false},
        {"Missing", fixture.Path("Missing.Ini"), false},
        {"MissingParentFolder", fixture.Path("Missing\\File.Ini"), false},
        {"InvalidName", fixture.Path("File<.Ini"), false},
        {"EmptyPath", "", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FileExists(row.path), row.expected) << row.name << ": " << row.path;
    }
}

} // namespace
