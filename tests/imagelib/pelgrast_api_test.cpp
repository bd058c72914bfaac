// The library's contract as a caller sees it: exports, filters, format choice,
// modes, argument checks and what a failure leaves behind.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstdio>
#include <filesystem>
#include <set>

#include "pelgrast_host.h"

extern "C" long long pelgrastHeaderMaxPixelsFromC(void);

namespace {

std::vector<std::string> splitFilter(const char* text) {
    std::vector<std::string> parts;
    std::string current;
    for (const char* p = text; *p; ++p) {
        if (*p == '|') {
            parts.push_back(current);
            current.clear();
        } else {
            current += *p;
        }
    }
    EXPECT_TRUE(current.empty()) << "filter must end with a bar: " << text;
    return parts;
}

std::set<std::string> filesIn(const TempFolder& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.insert(entry.path().filename().string());
    return names;
}

}  // namespace

TEST(PelgrastApi, ExportsOnlyItsSevenEntryPoints) {
    const std::string command = std::string("nm -D --defined-only '") + pelgrastPath() + "'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> names;
    char line[512];
    while (fgets(line, sizeof line, pipe)) {
        char address[64], type[8], name[400];
        if (sscanf(line, "%63s %7s %399s", address, type, name) == 3) names.insert(name);
    }
    ASSERT_EQ(pclose(pipe), 0);
    const std::set<std::string> expected = {"PG_SaveToDisk",
                                            "PG_LoadToDisk",
                                            "PG_BMP_LoadByWindows",
                                            "PG_Ver",
                                            "PG_Free",
                                            "PG_GetSupportedExtensionOpen",
                                            "PG_GetSupportedExtensionSave"};
    EXPECT_EQ(names, expected);
}

TEST(PelgrastApi, SmallEntryPointsAndTheCHeader) {
    EXPECT_EQ(pelgrast().ver(), PG_VERSION);
    EXPECT_EQ(pelgrast().bmpLoadByWindows(), nullptr);
    pelgrast().release(nullptr);  // accepted
    EXPECT_EQ(pelgrastHeaderMaxPixelsFromC(), PG_MAX_PIXELS);
}

TEST(PelgrastApi, FilterTextsAreStaticDescriptionPatternPairs) {
    for (auto* filter : {pelgrast().openFilter, pelgrast().saveFilter}) {
        const char* text = filter();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text, filter()) << "the same static text every time";
        const auto parts = splitFilter(text);
        ASSERT_FALSE(parts.empty());
        ASSERT_EQ(parts.size() % 2, 0u) << text;
        for (size_t i = 1; i < parts.size(); i += 2) EXPECT_EQ(parts[i].rfind("*.", 0), 0u) << parts[i];
    }
    const std::string open = pelgrast().openFilter();
    for (const char* pattern : {"*.png", "*.jpg", "*.jpeg", "*.bmp"}) EXPECT_NE(open.find(pattern), std::string::npos);
    const std::string save = pelgrast().saveFilter();
    for (const char* pattern : {"*.PNG", "*.jpg", "*.bmp"}) EXPECT_NE(save.find(pattern), std::string::npos);
}

TEST(PelgrastApi, SaveChoosesTheFormatFromTheExtensionInAnyCase) {
    TempFolder folder;
    const Bytes rgb = gradientRgb(5, 4);
    struct Case {
        const char* name;
        Bytes magic;
    } cases[] = {{"a.png", {0x89, 'P', 'N', 'G'}},
                 {"b.PNG", {0x89, 'P', 'N', 'G'}},
                 {"c.JpEg", {0xFF, 0xD8, 0xFF}},
                 {"d.jpg", {0xFF, 0xD8, 0xFF}},
                 {"e.Bmp", {'B', 'M'}},
                 {"f.x.bmp", {'B', 'M'}}};
    for (const Case& c : cases) {
        const std::string path = folder.file(c.name);
        ASSERT_TRUE(pelgrast().save(path.c_str(), rgb.data(), 5, 4, 0)) << c.name;
        const Bytes written = readBytes(path);
        ASSERT_GE(written.size(), c.magic.size());
        EXPECT_TRUE(std::equal(c.magic.begin(), c.magic.end(), written.begin())) << c.name;
    }
    const auto before = filesIn(folder);
    for (const char* name : {"g.gif", "noextension", "h.png.txt", "i.", "dir.png/j"}) {
        EXPECT_FALSE(pelgrast().save(folder.file(name).c_str(), rgb.data(), 5, 4, 0)) << name;
    }
    EXPECT_EQ(filesIn(folder), before) << "refused saves create nothing";
}

TEST(PelgrastApi, SaveRefusesBadArgumentsAndKeepsTheOldFile) {
    TempFolder folder;
    const Bytes rgb = gradientRgb(4, 4);
    const std::string path = folder.file("keep.png");
    ASSERT_TRUE(pelgrast().save(path.c_str(), rgb.data(), 4, 4, 0));
    const Bytes original = readBytes(path);
    EXPECT_FALSE(pelgrast().save(path.c_str(), rgb.data(), 0, 4, 0));
    EXPECT_FALSE(pelgrast().save(path.c_str(), rgb.data(), 4, -1, 0));
    EXPECT_FALSE(pelgrast().save(path.c_str(), nullptr, 4, 4, 0));
    EXPECT_FALSE(pelgrast().save(nullptr, rgb.data(), 4, 4, 0));
    EXPECT_FALSE(pelgrast().save("", rgb.data(), 4, 4, 0));
    // Sizes past the limits are refused before the buffer is touched.
    EXPECT_FALSE(pelgrast().save(path.c_str(), rgb.data(), PG_MAX_SIDE + 1, 1, 0));
    EXPECT_FALSE(pelgrast().save(path.c_str(), rgb.data(), 40000, 40000, 0));
    EXPECT_EQ(readBytes(path), original);
    EXPECT_EQ(filesIn(folder), std::set<std::string>{"keep.png"}) << "no temporary file left behind";
    EXPECT_FALSE(pelgrast().save(folder.file("missing/x.png").c_str(), rgb.data(), 4, 4, 0));
}

TEST(PelgrastApi, JpegSavingStopsAtTheFormatsOwnSideLimit) {
    TempFolder folder;
    const Bytes wide(size_t(65501) * 3, 128);
    EXPECT_FALSE(pelgrast().save(folder.file("wide.jpg").c_str(), wide.data(), 65501, 1, 0));
    EXPECT_TRUE(pelgrast().save(folder.file("wide.png").c_str(), wide.data(), 65501, 1, 0));
}

TEST(PelgrastApi, LoadRecognisesTheContentWhateverTheName) {
    TempFolder folder;
    const Bytes rgb = gradientRgb(3, 2);
    ASSERT_TRUE(pelgrast().save(folder.file("real.png").c_str(), rgb.data(), 3, 2, 0));
    ASSERT_TRUE(pelgrast().save(folder.file("real.bmp").c_str(), rgb.data(), 3, 2, 0));
    std::filesystem::rename(folder.file("real.png"), folder.file("named.bmp"));
    std::filesystem::rename(folder.file("real.bmp"), folder.file("named.jpg"));
    for (const char* name : {"named.bmp", "named.jpg"}) {
        const Loaded l = loadFile(folder.file(name));
        ASSERT_TRUE(l.ok) << name;
        EXPECT_EQ(l.pixels, rgb) << name;
    }
}

TEST(PelgrastApi, ModesGiveThreeOrFourBytesAndNothingElse) {
    TempFolder folder;
    const Bytes rgb = gradientRgb(3, 2);
    const std::string path = folder.file("p.png");
    ASSERT_TRUE(pelgrast().save(path.c_str(), rgb.data(), 3, 2, 0));
    const Loaded rgba = loadFile(path, PG_MODE_RGBA);
    ASSERT_TRUE(rgba.ok);
    EXPECT_FALSE(rgba.hasAlpha);
    ASSERT_EQ(rgba.pixels.size(), 3u * 2 * 4);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(rgba.pixels[i * 4 + 0], rgb[i * 3 + 0]);
        EXPECT_EQ(rgba.pixels[i * 4 + 1], rgb[i * 3 + 1]);
        EXPECT_EQ(rgba.pixels[i * 4 + 2], rgb[i * 3 + 2]);
        EXPECT_EQ(rgba.pixels[i * 4 + 3], 255);
    }
    for (int32_t mode : {2, -1, 3, 255}) EXPECT_FALSE(loadFile(path, mode).ok) << mode;
}

TEST(PelgrastApi, LoadRefusesMissingArgumentsAndNonFiles) {
    TempFolder folder;
    const Bytes rgb = gradientRgb(2, 2);
    const std::string path = folder.file("p.bmp");
    ASSERT_TRUE(pelgrast().save(path.c_str(), rgb.data(), 2, 2, 0));
    uint8_t* buffer = nullptr;
    int32_t w = 0, h = 0;
    EXPECT_FALSE(pelgrast().load(nullptr, &buffer, &w, &h, nullptr, 0));
    EXPECT_FALSE(pelgrast().load(path.c_str(), nullptr, &w, &h, nullptr, 0));
    EXPECT_FALSE(pelgrast().load(path.c_str(), &buffer, nullptr, &h, nullptr, 0));
    EXPECT_FALSE(pelgrast().load(path.c_str(), &buffer, &w, nullptr, nullptr, 0));
    // The alpha flag is optional.
    ASSERT_TRUE(pelgrast().load(path.c_str(), &buffer, &w, &h, nullptr, 0));
    EXPECT_EQ(w, 2);
    pelgrast().release(buffer);

    EXPECT_FALSE(loadFile(folder.file("absent.png")).ok);
    EXPECT_FALSE(loadFile(folder.path()).ok) << "a directory";
    const std::string fifo = folder.file("pipe.png");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(loadFile(fifo).ok) << "a pipe must not block the reader";
    EXPECT_FALSE(loadBytes(folder, {}).ok) << "empty";
    EXPECT_FALSE(loadBytes(folder, {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}).ok) << "unknown format";
    EXPECT_FALSE(loadBytes(folder, {'B'}).ok);
    EXPECT_FALSE(loadBytes(folder, {0xFF, 0xD8, 0xFF}).ok);
}

TEST(PelgrastApi, LosslessRoundTripsThroughPngAndBmp) {
    TempFolder folder;
    const std::pair<int32_t, int32_t> sizes[] = {{1, 1}, {1, 7}, {7, 1}, {3, 5}, {33, 17}, {64, 2}};
    for (const char* ext : {".png", ".bmp"}) {
        for (auto [w, h] : sizes) {
            const Bytes rgb = gradientRgb(w, h);
            const std::string path = folder.file(std::to_string(w) + "x" + std::to_string(h) + ext);
            ASSERT_TRUE(pelgrast().save(path.c_str(), rgb.data(), w, h, 0)) << path;
            const Loaded l = loadFile(path);
            ASSERT_TRUE(l.ok) << path;
            EXPECT_EQ(l.width, w);
            EXPECT_EQ(l.height, h);
            EXPECT_FALSE(l.hasAlpha);
            EXPECT_EQ(l.pixels, rgb) << path;
        }
    }
}

TEST(PelgrastApi, BmpFilesAreBottomUpWithPaddedRows) {
    TempFolder folder;
    const Bytes rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};  // 1 x 4... as 2 x 2
    const std::string path = folder.file("layout.bmp");
    ASSERT_TRUE(pelgrast().save(path.c_str(), rgb.data(), 2, 2, 0));
    const Bytes file = readBytes(path);
    ASSERT_EQ(file.size(), 54u + 2 * 8);
    EXPECT_EQ(file[28], 24) << "24 bits per pixel";
    EXPECT_EQ(file[22], 2) << "positive height: bottom-up";
    // First stored row is the bottom one, blue-green-red, then two bytes of padding.
    const Bytes firstRow(file.begin() + 54, file.begin() + 62);
    EXPECT_EQ(firstRow, (Bytes{9, 8, 7, 12, 11, 10, 0, 0}));
}
