#include "storage/file_name.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(FileName, ABareNameGetsTheExtensionOfItsKind) {
    const auto folder = std::filesystem::temp_directory_path();
    const struct {
        std::string typed, saved;
    } cases[] = {
        {"conf", "conf.vscfg"},
        {"/home/me/my conf", "/home/me/my conf.vscfg"},
        {"conf.", "conf.vscfg"},
        {"conf.vscfg", "conf.vscfg"},
        {"picture.png", "picture.png"},  // the name says its kind: kept as typed
        {".vscfg", ".vscfg"},
        {"/data.d/conf", "/data.d/conf.vscfg"},  // a dot in a folder is not the file's
        {"conf.tar.gz", "conf.tar.gz"},
        {"", ""},
        {"folder/", "folder/"},
        {folder.string(), folder.string()},  // an existing folder: the save says why it fails
    };
    for (const auto& c : cases) EXPECT_EQ(withDefaultExtension(c.typed, ".vscfg"), c.saved) << c.typed;
}
