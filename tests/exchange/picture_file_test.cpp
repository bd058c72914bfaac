// Saving and loading pictures through the image library: the real one for round
// trips, scripted stand-ins for the library's misbehaviours.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "core/picture.h"
#include "exchange/image_library.h"
#include "exchange/picture_file.h"

namespace {

PicturePtr patternPicture(int32_t w, int32_t h) {
    PicturePtr p(createPicture(w, h, 0));
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) storePixel(p.get(), x, y, uint8_t(x * 40), uint8_t(y * 50), uint8_t(x ^ y));
    return p;
}

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vospren-exchange-XXXXXX").string();
        path = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

// What the scripted library does on its next load, and what it saw.
struct Script {
    uint8_t result = 1;
    int32_t width = 0;
    int32_t height = 0;
    uint8_t* buffer = nullptr;
    int frees = 0;
    int32_t mode = -1;
    std::vector<uint8_t> saved;
    int32_t savedWidth = 0, savedHeight = 0;
} script;

uint8_t scriptedLoad(const char*, uint8_t** buffer, int32_t* w, int32_t* h, uint8_t* alpha, int32_t mode) {
    script.mode = mode;
    *buffer = script.buffer;
    *w = script.width;
    *h = script.height;
    *alpha = 0;
    return script.result;
}
void scriptedFree(void* buffer) {
    ++script.frees;
    std::free(buffer);
}
uint8_t scriptedSave(const char*, const uint8_t* rgb, int32_t w, int32_t h, int32_t) {
    script.saved.assign(rgb, rgb + size_t(w) * size_t(h) * 3);
    script.savedWidth = w;
    script.savedHeight = h;
    return 1;
}

ImageLibrary scriptedLibrary() {
    script = Script{};
    ImageLibrary lib;
    lib.loadToDisk = scriptedLoad;
    lib.free = scriptedFree;
    lib.saveToDisk = scriptedSave;
    return lib;
}

uint8_t* mallocCopy(const std::vector<uint8_t>& bytes) {
    auto* b = static_cast<uint8_t*>(std::malloc(bytes.size()));
    std::memcpy(b, bytes.data(), bytes.size());
    return b;
}

}  // namespace

TEST(PictureFile, RoundTripThroughTheRealLibraryIsExact) {
    ImageLibrary lib;
    ASSERT_TRUE(loadImageLibrary(lib, nullptr));
    ScratchFolder folder;
    for (const char* name : {"/p.png", "/p.bmp", "/p.PNG"}) {
        for (auto [w, h] : {std::pair{7, 5}, std::pair{1, 1}, std::pair{13, 2}}) {
            const PicturePtr original = patternPicture(w, h);
            const std::string path = folder.path + name;
            ASSERT_TRUE(savePictureFile(lib, *original, path)) << path;
            const PicturePtr back(loadPictureFile(lib, path));
            ASSERT_NE(back, nullptr) << path;
            ASSERT_EQ(back->width, w);
            ASSERT_EQ(back->height, h);
            EXPECT_EQ(0, std::memcmp(back->pixels, original->pixels, size_t(w) * size_t(h) * 4)) << path;
        }
    }
    EXPECT_FALSE(savePictureFile(lib, *patternPicture(4, 4), folder.path + "/p.gif"));
    EXPECT_EQ(loadPictureFile(lib, folder.path + "/absent.png"), nullptr);
}

TEST(PictureFile, SavedBufferMatchesTheConnectableReadInBothModes) {
    const PicturePtr picture = patternPicture(6, 3);
    for (uint8_t connectable : {uint8_t(1), uint8_t(0)}) {
        resetPaintSettings();
        paintSettings().connectable = connectable;
        const ImageLibrary lib = scriptedLibrary();
        ASSERT_TRUE(savePictureFile(lib, *picture, "x.png"));
        std::vector<uint8_t> oracle;
        for (int32_t y = 0; y < 3; ++y)
            for (int32_t x = 0; x < 6; ++x) {
                int32_t mx = x, my = y;
                if (connectable) mapConnectable(6, 3, x, y, &mx, &my);
                const uint8_t* cell = picture->pixels + size_t(pixelIndex(6, 3, mx, my)) * 4;
                oracle.insert(oracle.end(), {cell[0], cell[1], cell[2]});
            }
        EXPECT_EQ(script.saved, oracle);
        EXPECT_EQ(script.savedWidth, 6);
        EXPECT_EQ(script.savedHeight, 3);
    }
    resetPaintSettings();
}

TEST(PictureFile, LoadAsksForThreeBytesAndReleasesTheBufferOnce) {
    ImageLibrary lib = scriptedLibrary();
    const std::vector<uint8_t> rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    script.buffer = mallocCopy(rgb);
    script.width = 2;
    script.height = 2;
    const PicturePtr p(loadPictureFile(lib, "any"));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(script.mode, 0);
    EXPECT_EQ(script.frees, 1);
    const PicturePtr oracle(createPicture(2, 2, 0));
    for (int32_t i = 0; i < 4; ++i)
        storePixel(oracle.get(), i % 2, i / 2, rgb[size_t(i) * 3], rgb[size_t(i) * 3 + 1], rgb[size_t(i) * 3 + 2]);
    EXPECT_EQ(0, std::memcmp(p->pixels, oracle->pixels, 16));
}

TEST(PictureFile, NonsenseFromTheLibraryGivesNoPicture) {
    struct Case {
        const char* what;
        int32_t w, h;
        bool withBuffer;
    } cases[] = {{"negative width", -3, 2, true},
                 {"zero height", 2, 0, true},
                 {"success without pixels", 2, 2, false},
                 {"beyond the picture limit", 70000, 70000, true}};
    for (const Case& c : cases) {
        ImageLibrary lib = scriptedLibrary();
        script.width = c.w;
        script.height = c.h;
        script.buffer = c.withBuffer ? mallocCopy({0, 0, 0}) : nullptr;
        EXPECT_EQ(loadPictureFile(lib, "any"), nullptr) << c.what;
        EXPECT_EQ(script.frees, c.withBuffer ? 1 : 0) << c.what << ": a handed-over buffer goes back";
    }
    // A failed load hands nothing over, whatever it left in the pointer.
    ImageLibrary lib = scriptedLibrary();
    static uint8_t notOurs[3];
    script.result = 0;
    script.buffer = notOurs;
    script.width = script.height = 1;
    EXPECT_EQ(loadPictureFile(lib, "any"), nullptr);
    EXPECT_EQ(script.frees, 0);
}

TEST(PictureFile, MissingEntryPointsFailWithoutCalls) {
    const ImageLibrary none;
    const PicturePtr picture = patternPicture(4, 4);
    EXPECT_FALSE(savePictureFile(none, *picture, "x.png"));
    EXPECT_EQ(loadPictureFile(none, "x.png"), nullptr);
    // Without PG_Free the pixels are still taken; the buffer cannot be released.
    ImageLibrary noFree = scriptedLibrary();
    noFree.free = nullptr;
    static uint8_t pixel[3] = {9, 8, 7};
    script.buffer = pixel;
    script.width = script.height = 1;
    const PicturePtr p(loadPictureFile(noFree, "x"));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->pixels[0], 9);
    Picture empty;
    EXPECT_FALSE(savePictureFile(scriptedLibrary(), empty, "x.png"));
}
