#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/parallel.h"
#include "exchange/dib_codec.h"
#include "exchange/image_library.h"
#include "exchange/picture_file.h"
#include "exchange/png_writer.h"
#include "exchange_pictures.h"

namespace {

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vospren-png-XXXXXX").string();
        path = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

// Opaque pictures of the kinds that take different paths through the coder: noise
// (the fast matcher), flat blocks (runs of one byte), both in one picture, and smooth
// color with a little grain, as in photographs (bytes coded alone).
enum class Kind { Noise, Flat, Half, Smooth };

PicturePtr makePicture(int32_t width, int32_t height, Kind kind) {
    PicturePtr p = busyPicture(width, height, 5);
    if (kind == Kind::Noise) return p;
    if (kind == Kind::Smooth) {
        uint32_t grain = 1;
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x) {
                grain = grain * 1103515245u + 12345u;
                const double wave = 60.0 * std::sin(x / 57.0) * std::cos(y / 43.0);
                const int v = int(120 + wave + x * 40.0 / width) + int(grain >> 30);
                storePixel(p.get(), x, y, uint8_t(v), uint8_t(v / 2 + y * 60 / height), uint8_t(255 - v));
            }
        return p;
    }
    for (int32_t y = kind == Kind::Half ? height / 2 : 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) storePixel(p.get(), x, y, uint8_t(x / 40 * 50), uint8_t(y / 30 * 20), 90);
    return p;
}

// The pixels libpng reads from the file as 8-bit RGB, or nothing when it refuses it.
std::vector<uint8_t> decodeWithLibpng(const PngBytes& file, int32_t* width, int32_t* height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.bytes(), file.size)) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
    *width = int32_t(image.width);
    *height = int32_t(image.height);
    return rgb;
}

std::vector<uint8_t> rgbOf(const Picture& p) {
    std::vector<uint8_t> rgb;
    for (size_t i = 0; i < size_t(p.width) * size_t(p.height); ++i)
        rgb.insert(rgb.end(), p.pixels + i * 4, p.pixels + i * 4 + 3);
    return rgb;
}

// The chunk types in file order; every IDAT's length is checked against the limit.
std::string chunkTypes(const PngBytes& file) {
    std::string types;
    for (size_t at = 8; at + 12 <= file.size;) {
        const uint8_t* c = file.bytes() + at;
        const size_t length = size_t(c[0]) << 24 | size_t(c[1]) << 16 | size_t(c[2]) << 8 | c[3];
        const std::string type(reinterpret_cast<const char*>(c + 4), 4);
        EXPECT_TRUE(type != "IDAT" || (length > 0 && length <= kPngMaxIdatBytes)) << length;
        if (types.empty() || types.substr(types.size() - 4) != type) types += type;
        at += 12 + length;
    }
    return types;
}

bool passesPngcheck(const std::string& path) {
    return std::system(("pngcheck -q '" + path + "' > /dev/null 2>&1").c_str()) == 0;
}

TEST(PngWriter, FilesPassPngcheckAndDecodeToTheSamePixels) {
    ScratchFolder folder;
    struct Case {
        int32_t width, height;
        Kind kind;
    } cases[] = {{1, 1, Kind::Noise},      {7, 5, Kind::Noise},     {5, 1, Kind::Flat},       {513, 1, Kind::Noise},
                 {1, 300, Kind::Half},     {33, 129, Kind::Flat},   {16384, 3, Kind::Noise},  {16384, 2, Kind::Flat},
                 {999, 745, Kind::Half},   {601, 603, Kind::Noise}, {1024, 1024, Kind::Flat}, {300, 7, Kind::Smooth},
                 {1100, 700, Kind::Smooth}};
    for (const Case& c : cases) {
        const PicturePtr picture = makePicture(c.width, c.height, c.kind);
        for (PngCompression compression : {PngCompression::Fast, PngCompression::Small}) {
            SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + " kind " +
                         std::to_string(int(c.kind)) + (compression == PngCompression::Small ? " small" : " fast"));
            const PngBytes file = encodePng(*picture, compression);
            ASSERT_GT(file.size, 0u);
            EXPECT_EQ(chunkTypes(file), "IHDRIDATIEND");
            int32_t width = 0, height = 0;
            EXPECT_EQ(decodeWithLibpng(file, &width, &height), rgbOf(*picture));
            EXPECT_EQ(width, c.width);
            EXPECT_EQ(height, c.height);
            const std::string path = folder.path + "/p.png";
            ASSERT_TRUE(writePngFile(path, *picture, compression));
            EXPECT_TRUE(passesPngcheck(path));
        }
    }
}

// libpng's own file of the picture with its defaults: what the program wrote before it
// had a coder of its own.
size_t libpngDefaultSize(const Picture& picture) {
    const std::vector<uint8_t> rgb = rgbOf(picture);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = uint32_t(picture.width);
    image.height = uint32_t(picture.height);
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) return 0;
    return size_t(size);
}

// What the two choices promise against libpng's defaults: "Fast" at most a tenth
// larger, "Small" no larger, and "Small" never larger than "Fast".
TEST(PngWriter, FastAndSmallAgainstLibpngsDefaults) {
    for (Kind kind : {Kind::Noise, Kind::Flat, Kind::Half, Kind::Smooth}) {
        SCOPED_TRACE("kind " + std::to_string(int(kind)));
        const PicturePtr picture = makePicture(900, 800, kind);
        const PngBytes fast = encodePng(*picture, PngCompression::Fast);
        const PngBytes small = encodePng(*picture, PngCompression::Small);
        const size_t libpng = libpngDefaultSize(*picture);
        ASSERT_GT(libpng, 0u);
        EXPECT_LE(small.size, fast.size);
        EXPECT_LE(double(fast.size), 1.1 * double(libpng));
        EXPECT_LE(small.size, libpng);
        if (kind == Kind::Noise) EXPECT_GT(fast.size, 2 * kPngMaxIdatBytes) << "three chunks at least";
    }
}

// The threaded coders give the same bytes with one thread as with all of them.
TEST(ThreadedCoders, OneThreadAndAllThreadsGiveTheSameBytes) {
    const auto codeAll = [](const Picture& p) {
        std::vector<std::vector<uint8_t>> outputs;
        for (PngCompression compression : {PngCompression::Fast, PngCompression::Small}) {
            const PngBytes file = encodePng(p, compression);
            outputs.emplace_back(file.bytes(), file.bytes() + file.size);
        }
        outputs.push_back(encodeDib(p, 24));
        outputs.push_back(encodeBmpFile(p, 32));
        outputs.push_back(encodeTopDownDib32(p.width, p.height, p.pixels, size_t(p.width) * 4));
        PicturePtr back;
        EXPECT_EQ(decodeDib(outputs[2].data(), outputs[2].size(), &back), DibStatus::Ok);
        outputs.emplace_back(back->pixels, back->pixels + size_t(p.width) * size_t(p.height) * 4);
        return outputs;
    };
    for (auto [w, h] : {std::pair{3, 2}, std::pair{257, 300}, std::pair{1200, 1100}}) {
        const PicturePtr picture = makePicture(w, h, Kind::Half);
        setParallelThreads(1);
        const auto one = codeAll(*picture);
        setParallelThreads(4);
        const auto all = codeAll(*picture);
        setParallelThreads(0);
        EXPECT_EQ(one, all) << w << " x " << h;
    }
}

TEST(PngWriter, AFailedWriteSaysWhyAndLeavesNoFile) {
    ScratchFolder folder;
    const PicturePtr picture = makePicture(64, 64, Kind::Noise);
    std::filesystem::create_directory(folder.path + "/taken.png");
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {{folder.path + "/missing/p.png", "No such file or directory"},
                 {folder.path + "/taken.png", "Is a directory"}};
    for (const auto& c : cases) {
        std::string reason;
        EXPECT_FALSE(writePngFile(c.path, *picture, PngCompression::Fast, &reason)) << c.path;
        EXPECT_EQ(reason, c.reason);
    }
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"taken.png"}) << "no half file, no temporary";
    EXPECT_TRUE(std::filesystem::is_empty(folder.path + "/taken.png"));
}

TEST(PictureFile, PngNamesInAnyCaseGoToThePngWriterOthersToTheLibrary) {
    ImageLibrary lib;
    ASSERT_TRUE(loadImageLibrary(lib, nullptr));
    ScratchFolder folder;
    const PicturePtr picture = makePicture(20, 10, Kind::Noise);
    const auto head = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::vector<char> bytes(43);
        in.read(bytes.data(), 43);
        return bytes;
    };
    const struct {
        const char* name;
        PngCompression compression;
        uint8_t zlibLevelByte;  // second byte of the image data: our coders' level hint
    } cases[] = {{"/a.png", PngCompression::Fast, 0x01},
                 {"/b.PNG", PngCompression::Small, 0xDA},
                 {"/c.Png", PngCompression::Fast, 0x01}};
    for (const auto& c : cases) {
        pngCompression() = c.compression;
        const std::string path = folder.path + c.name;
        ASSERT_TRUE(writePictureFile(lib, *picture, path));
        EXPECT_EQ(uint8_t(head(path)[42]), c.zlibLevelByte) << c.name;
        PicturePtr back = loadPictureFile(lib, path);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(0, std::memcmp(back->pixels, picture->pixels, 20 * 10 * 4));
    }
    pngCompression() = PngCompression::Fast;
    ASSERT_TRUE(writePictureFile(lib, *picture, folder.path + "/d.bmp"));
    EXPECT_EQ(head(folder.path + "/d.bmp")[0], 'B');
    std::string reason;
    EXPECT_FALSE(writePictureFile(lib, *picture, folder.path + "/no/e.png", &reason));
    EXPECT_EQ(reason, "No such file or directory");
    EXPECT_FALSE(writePictureFile(ImageLibrary{}, *picture, folder.path + "/f.png")) << "no library, no export";
    EXPECT_FALSE(std::filesystem::exists(folder.path + "/f.png"));
}

}  // namespace
