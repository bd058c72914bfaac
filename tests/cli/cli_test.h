#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "core/paint_settings.h"
#include "exchange/image_library.h"
#include "exchange/picture_file.h"
#include "generators/palette.h"
#include "params/parameter_blocks.h"

// What the command-line tests share: the process-wide settings, blocks and palette
// at their initial values, a scratch folder of the test's own, the image library
// bound from the build, and runs of vospren-cli in this process with their output.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        dir_ =
            std::filesystem::temp_directory_path() / ("vospren_cli_" + std::to_string(::getpid()) + "_" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        std::string error;
        ASSERT_TRUE(loadImageLibraryFrom(VOSPREN_IMAGELIB_PATH, library_, &error)) << error;
    }
    void TearDown() override {
        std::filesystem::remove_all(dir_);
        resetState();
    }
    static void resetState() {
        resetPaintSettings();
        resetParameterBlocks();
        currentPalette() = Palette{};
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    // Runs the steps with the library of the build; out_ and err_ keep what they said.
    int run(std::vector<std::string> args) {
        out_.str("");
        err_.str("");
        args.insert(args.begin(), {"--imagelib", VOSPREN_IMAGELIB_PATH});
        return runCommandLine(args, out_, err_, false);
    }
    // The picture a saved file holds, as the library reads it back.
    PicturePtr load(const std::string& name) { return loadPictureFile(library_, path(name)); }

    ImageLibrary library_;
    std::filesystem::path dir_;
    std::ostringstream out_, err_;
};
