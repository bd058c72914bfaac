#include "generators/palette_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {
class PaletteFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() / ("vospren_palette_" + std::to_string(::getpid()) + "_" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }
    void write(const std::string& p, const std::vector<uint8_t>& bytes) const {
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    std::vector<uint8_t> read(const std::string& p) const {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::filesystem::path dir_;
};

Palette filled(int32_t count, uint8_t salt) {
    Palette p;
    for (int32_t i = 0; i < count; ++i)
        addPaletteColor(p, ShapeColor{uint8_t(i), uint8_t(i * 7 + salt), uint8_t(255 - i)});
    return p;
}

bool sameEntries(const Palette& a, const Palette& b) {
    if (a.count != b.count) return false;
    for (int32_t i = 0; i < a.count; ++i)
        if (!(a.colors[i] == b.colors[i])) return false;
    return true;
}
}  // namespace

TEST_F(PaletteFile, ReadsTheFlatFormat) {
    write(path("two.vpal"), {2, 0xFF, 0, 0, 0, 0, 0xFF, 9, 9});  // bytes after the entries are ignored
    Palette p = filled(5, 1);
    ASSERT_TRUE(loadPaletteFile(path("two.vpal"), p));
    EXPECT_EQ(p.count, 2);
    EXPECT_EQ(p.colors[0], (ShapeColor{255, 0, 0}));
    EXPECT_EQ(p.colors[1], (ShapeColor{0, 0, 255}));
}

TEST_F(PaletteFile, ShortFilesKeepTheEntriesTheyLack) {
    write(path("short.vpal"), {3, 1, 2, 3, 4, 5, 6, 7});
    Palette p = filled(3, 40);
    const ShapeColor third = p.colors[2];
    ASSERT_TRUE(loadPaletteFile(path("short.vpal"), p));
    EXPECT_EQ(p.count, 3);
    EXPECT_EQ(p.colors[0], (ShapeColor{1, 2, 3}));
    EXPECT_EQ(p.colors[1], (ShapeColor{4, 5, 6}));
    EXPECT_EQ(p.colors[2], (ShapeColor{7, third.green, third.blue})) << "only the bytes read change";

    write(path("empty.vpal"), {});
    ASSERT_TRUE(loadPaletteFile(path("empty.vpal"), p));
    EXPECT_EQ(p.count, 0);
}

TEST_F(PaletteFile, RoundTripsEverySizeUpToAFullPalette) {
    for (int32_t count : {0, 1, 2, 100, 255, 256}) {
        const Palette saved = filled(count, 3);
        ASSERT_TRUE(savePaletteFile(path("p.vpal"), saved));
        EXPECT_EQ(read(path("p.vpal")).size(), size_t(1 + 3 * count));
        Palette loaded = filled(17, 99);
        ASSERT_TRUE(loadPaletteFile(path("p.vpal"), loaded));
        EXPECT_TRUE(sameEntries(saved, loaded)) << count;
    }
    EXPECT_EQ(read(path("p.vpal"))[0], 0) << "256 colours keep the one-byte count 0";
    ASSERT_TRUE(savePaletteFile(path("p.vpal"), Palette{}));
    EXPECT_EQ(read(path("p.vpal")), (std::vector<uint8_t>{0}));
}

TEST_F(PaletteFile, FailuresChangeNothing) {
    Palette p = filled(4, 5);
    const Palette before = p;
    EXPECT_FALSE(loadPaletteFile(path("missing.vpal"), p));
    EXPECT_TRUE(sameEntries(p, before));
    EXPECT_FALSE(savePaletteFile(path("no/such/dir/x.vpal"), p));

    // A file held by someone else is neither read nor replaced.
    write(path("held.vpal"), {1, 1, 1, 1});
    const int fd = ::open(path("held.vpal").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    EXPECT_FALSE(loadPaletteFile(path("held.vpal"), p));
    EXPECT_TRUE(sameEntries(p, before));
    EXPECT_FALSE(savePaletteFile(path("held.vpal"), p));
    ::close(fd);
    EXPECT_EQ(read(path("held.vpal")), (std::vector<uint8_t>{1, 1, 1, 1}));

    // A folder is no palette: loading it used to empty the palette.
    std::filesystem::create_directory(path("folder.vpal"));
    EXPECT_FALSE(loadPaletteFile(path("folder.vpal"), p));
    EXPECT_TRUE(sameEntries(p, before));
    std::string error;
    EXPECT_FALSE(savePaletteFile(path("folder.vpal"), p, &error));
    EXPECT_EQ(error, "Is a directory");
}
