// Where the shipped pictures, literature and help are looked for: start directory first,
// then <prefix>/share/zul beside the program's bin folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/DataPaths.h"

namespace zul {
namespace {

namespace fs = std::filesystem;

// A throw-away tree: <root>/start (the start directory) and <root>/prefix/bin/zul with
// <root>/prefix/share/zul (the installed data).
class DataTree {
public:
    DataTree() {
        root_ = fs::temp_directory_path() / ("zul-datapaths-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(start());
        fs::create_directories(root_ / "prefix" / "bin");
        fs::create_directories(installed());
        Touch(program());
    }
    ~DataTree() {
        std::error_code error;
        fs::remove_all(root_, error);
    }
    fs::path root() const { return root_; }
    fs::path start() const { return root_ / "start"; }
    fs::path program() const { return root_ / "prefix" / "bin" / "zul"; }
    fs::path installed() const { return root_ / "prefix" / "share" / "zul"; }

    static void Touch(const fs::path& path) { std::ofstream(path) << "x"; }
    // Puts one item into a folder: "Pict", "Zul.lit", "Zul.htm", "Zul.html".
    static void Put(const fs::path& folder, const std::string& item) {
        if (item == "Pict")
            fs::create_directories(folder / "Pict");
        else
            Touch(folder / item);
    }

private:
    fs::path root_;
};

enum class Where { Start, Installed };

struct Case {
    const char* name;
    std::vector<std::string> inStart;
    std::vector<std::string> inInstalled;
    ShippedData item;
    Where expected;
};

const Case kCases[] = {
    {"pictures only installed", {}, {"Pict"}, ShippedData::Pictures, Where::Installed},
    {"pictures in both: start wins", {"Pict"}, {"Pict"}, ShippedData::Pictures, Where::Start},
    {"pictures nowhere: start", {}, {}, ShippedData::Pictures, Where::Start},
    {"a file named Pict is no picture folder", {}, {}, ShippedData::Pictures, Where::Start},
    {"literature only installed", {"Pict"}, {"Zul.lit"}, ShippedData::Literature, Where::Installed},
    {"literature in start", {"Zul.lit"}, {"Zul.lit"}, ShippedData::Literature, Where::Start},
    {"literature nowhere: start", {"Zul.html"}, {"Zul.html"}, ShippedData::Literature, Where::Start},
    {"help .html installed", {}, {"Zul.html"}, ShippedData::Help, Where::Installed},
    {"help .htm in start", {"Zul.htm"}, {"Zul.html"}, ShippedData::Help, Where::Start},
    {"help .html in start", {"Zul.html"}, {"Zul.htm"}, ShippedData::Help, Where::Start},
    {"help nowhere: start", {"Zul.lit"}, {"Pict"}, ShippedData::Help, Where::Start},
};

TEST(DataPaths, StartDirectoryFirstThenInstalledFolder) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        DataTree tree;
        for (const std::string& item : c.inStart) DataTree::Put(tree.start(), item);
        for (const std::string& item : c.inInstalled) DataTree::Put(tree.installed(), item);
        if (std::string(c.name).find("a file named Pict") != std::string::npos) DataTree::Touch(tree.start() / "Pict");
        const std::string folder = DataFolder(c.item, tree.start().string(), tree.program().string());
        const fs::path expected = c.expected == Where::Start ? tree.start() : tree.installed();
        EXPECT_TRUE(fs::equivalent(folder, expected)) << folder;
    }
}

TEST(DataPaths, InstalledFolderFollowsTheProgram) {
    DataTree tree;
    DataTree::Put(tree.installed(), "Zul.lit");
    // The program reached through a link elsewhere (as /usr/bin/zul might be) still finds
    // the data beside its real bin folder.
    const fs::path link = tree.root() / "zul-link";
    fs::create_symlink(tree.program(), link);
    struct Row {
        const char* name;
        std::string program;
        bool finds;
    };
    const Row rows[] = {
        {"the program itself", tree.program().string(), true},
        {"a symbolic link to it", link.string(), true},
        {"a path with dot-dot", (tree.root() / "prefix" / "bin" / ".." / "bin" / "zul").string(), true},
        {"no program path", "", false},
        {"a program elsewhere", (tree.start() / "zul").string(), false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const std::string folder = InstalledDataFolder(r.program);
        EXPECT_EQ(FolderHasData(folder, ShippedData::Literature), r.finds) << folder;
        const std::string chosen = DataFolder(ShippedData::Literature, tree.start().string(), r.program);
        EXPECT_TRUE(fs::equivalent(chosen, r.finds ? tree.installed() : tree.start())) << chosen;
    }
}

// A program outside a bin folder (the build folder, an unpacked archive) keeps its data in
// share/zul beside itself, and never looks above its own folder.
TEST(DataPaths, ProgramOutsideBinUsesTheFolderBesideIt) {
    DataTree tree;
    const fs::path build = tree.root() / "build";
    fs::create_directories(build / "src" / "share" / "zul");
    fs::create_directories(build / "tests");
    fs::create_directories(build / "share" / "zul");
    DataTree::Put(build / "src" / "share" / "zul", "Zul.html");
    DataTree::Put(build / "share" / "zul", "Zul.html");
    struct Row {
        const char* name;
        fs::path program;
        fs::path expected;
    };
    const Row rows[] = {
        {"the program in the build folder", build / "src" / "zul", build / "src" / "share" / "zul"},
        {"a test program beside it finds nothing", build / "tests" / "zul_tests_gui", tree.start()},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const std::string folder = DataFolder(ShippedData::Help, tree.start().string(), r.program.string());
        EXPECT_TRUE(fs::equivalent(folder, r.expected)) << folder;
    }
}

TEST(DataPaths, FoldersAreChosenOneByOne) {
    DataTree tree;
    DataTree::Put(tree.start(), "Zul.lit");
    DataTree::Put(tree.installed(), "Pict");
    DataTree::Put(tree.installed(), "Zul.lit");
    DataTree::Put(tree.installed(), "Zul.html");
    const DataFolders folders = FindDataFolders(tree.start().string(), tree.program().string());
    EXPECT_TRUE(fs::equivalent(folders.pictures, tree.installed()));
    EXPECT_TRUE(fs::equivalent(folders.literature, tree.start()));
    EXPECT_TRUE(fs::equivalent(folders.help, tree.installed()));
}

}  // namespace
}  // namespace zul
