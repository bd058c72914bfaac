// Where the run-time libraries are looked for: a build tree, an installed tree
// under any prefix, then the configured install folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "exchange/library_search.h"

namespace fs = std::filesystem;

TEST(LibrarySearch, FoldersInOrderFromTheProgramsPlace) {
    struct Case {
        const char* own;
        const char* fromBin;
        const char* configured;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        // An installed tree moved to /opt/vospren is searched there before the configured prefix.
        {"/opt/vospren/bin",
         "../lib/x86_64-linux-gnu/vospren",
         "/usr/lib/x86_64-linux-gnu/vospren",
         {"/opt/vospren/bin", "/opt/vospren/lib/x86_64-linux-gnu/vospren", "/usr/lib/x86_64-linux-gnu/vospren"}},
        {"/home/u/x/bin",
         "../lib/vospren/",
         "/usr/local/lib/vospren",
         {"/home/u/x/bin", "/home/u/x/lib/vospren", "/usr/local/lib/vospren"}},
        // Where the two coincide the folder is named once.
        {"/usr/bin", "../lib/vospren", "/usr/lib/vospren", {"/usr/bin", "/usr/lib/vospren"}},
        // Without the program's own folder only the configured one is left.
        {"", "../lib/vospren", "/usr/lib/vospren", {"/usr/lib/vospren"}},
        {"/b/bin", "", "", {"/b/bin"}},
    };
    for (const Case& c : cases) EXPECT_EQ(librarySearchFolders(c.own, c.fromBin, c.configured), c.expected) << c.own;

    // The running program's list starts with its own folder and then looks beside it.
    const std::vector<std::string> real = librarySearchFolders();
    ASSERT_GE(real.size(), 2u);
    EXPECT_EQ(real[0], programFolder());
    EXPECT_EQ(real[1].rfind(fs::path(programFolder()).parent_path().string(), 0), 0u) << real[1];
}

TEST(LibrarySearch, FirstFolderHoldingTheFileWins) {
    const fs::path root = fs::temp_directory_path() / ("library_search_" + std::to_string(::getpid()));
    fs::create_directories(root / "a");
    fs::create_directories(root / "b" / "libx.so");  // a folder of that name is not the library
    fs::create_directories(root / "c");
    fs::create_directories(root / "d");
    std::ofstream(root / "c" / "libx.so") << "x";
    std::ofstream(root / "d" / "libx.so") << "x";
    const std::vector<std::string> folders = {"", (root / "a").string(), (root / "b").string(),
                                              (root / "c").string() + "/", (root / "d").string()};
    EXPECT_EQ(findLibrary(folders, "libx.so"), (root / "c" / "libx.so").string());
    EXPECT_EQ(findLibrary(folders, "liby.so"), "");
    fs::remove_all(root);
}
