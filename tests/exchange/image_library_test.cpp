// Binding the image library by name and by path, and what a failed binding reports.
#include <gtest/gtest.h>

#include <type_traits>

#include "exchange/image_library.h"
#include "pelgrast.h"

// The program's function types are the library's prototypes.
static_assert(std::is_same_v<ImageLibrary::SaveToDiskFn, decltype(&PG_SaveToDisk)>);
static_assert(std::is_same_v<ImageLibrary::LoadToDiskFn, decltype(&PG_LoadToDisk)>);
static_assert(std::is_same_v<ImageLibrary::BmpLoadByWindowsFn, decltype(&PG_BMP_LoadByWindows)>);
static_assert(std::is_same_v<ImageLibrary::VerFn, decltype(&PG_Ver)>);
static_assert(std::is_same_v<ImageLibrary::FreeFn, decltype(&PG_Free)>);
static_assert(std::is_same_v<ImageLibrary::ExtensionFn, decltype(&PG_GetSupportedExtensionOpen)>);
static_assert(std::is_same_v<ImageLibrary::ExtensionFn, decltype(&PG_GetSupportedExtensionSave)>);

TEST(ImageLibrary, FoundBesideTheProgramWithAllEntryPoints) {
    ImageLibrary lib;
    std::string error = "stale";
    ASSERT_TRUE(loadImageLibrary(lib, &error)) << error;
    EXPECT_TRUE(error.empty());
    EXPECT_TRUE(lib.loaded());
    EXPECT_NE(lib.saveToDisk, nullptr);
    EXPECT_NE(lib.loadToDisk, nullptr);
    EXPECT_NE(lib.bmpLoadByWindows, nullptr);
    EXPECT_NE(lib.free, nullptr);
    EXPECT_NE(lib.supportedExtensionOpen, nullptr);
    EXPECT_NE(lib.supportedExtensionSave, nullptr);
    EXPECT_EQ(lib.ver(), PG_VERSION);

    // Once per process: later calls hand back the same binding.
    ImageLibrary again;
    ASSERT_TRUE(loadImageLibrary(again, nullptr));
    EXPECT_EQ(again.handle, lib.handle);
    EXPECT_EQ(imageLibrary().handle, lib.handle);
}

TEST(ImageLibrary, MissingFileReportsTheLoadersText) {
    ImageLibrary lib;
    lib.ver = [] { return 1u; };  // stale content must be cleared
    std::string error;
    EXPECT_FALSE(loadImageLibraryFrom("/nonexistent/folder/libpelgrast.so", lib, &error));
    EXPECT_NE(error.find("/nonexistent/folder/libpelgrast.so"), std::string::npos) << error;
    EXPECT_FALSE(lib.loaded()) << "a failed binding leaves no stale pointers";
    EXPECT_EQ(lib.handle, nullptr);
}

TEST(ImageLibrary, ALibraryWithoutItsVersionEntryPointIsNotTaken) {
    ImageLibrary lib;
    std::string error;
    EXPECT_FALSE(loadImageLibraryFrom("libm.so.6", lib, &error));
    EXPECT_NE(error.find("PG_Ver"), std::string::npos) << error;
    EXPECT_FALSE(lib.loaded());
    EXPECT_EQ(lib.handle, nullptr);
}

TEST(ImageLibrary, PartialLibraryBindsWhatItHas) {
    ImageLibrary lib;
    std::string error;
    ASSERT_TRUE(loadImageLibraryFrom(FAKE_IMAGE_LIBRARY_PATH, lib, &error)) << error;
    EXPECT_EQ(lib.ver(), 7u);
    EXPECT_NE(lib.loadToDisk, nullptr);
    EXPECT_EQ(lib.saveToDisk, nullptr);
    EXPECT_EQ(lib.free, nullptr);
    EXPECT_EQ(lib.bmpLoadByWindows, nullptr);
    EXPECT_EQ(lib.supportedExtensionOpen, nullptr);
    EXPECT_EQ(lib.supportedExtensionSave, nullptr);
}
