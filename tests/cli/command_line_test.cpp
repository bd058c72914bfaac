#include "cli/command_line.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "cli/cli_interaction.h"
#include "core/paint_settings.h"
#include "generators/circle_generator.h"
#include "generators/palette.h"
#include "generators/palette_file.h"
#include "generators/vector_generator.h"
#include "tests/cli/cli_test.h"
#include "tests/core/raster_oracle.h"
#include "tests/support/fake_interaction.h"

namespace {

class CommandLine : public CliTest {
protected:
    // Runs the real program; returns its exit status.
    static int runProgram(const std::vector<std::string>& args, pid_t* child = nullptr) {
        const pid_t pid = fork();
        if (pid == 0) {
            std::vector<char*> argv;
            argv.push_back(const_cast<char*>(VOSPREN_CLI_PATH));
            for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execv(VOSPREN_CLI_PATH, argv.data());
            _exit(127);
        }
        if (child) {
            *child = pid;
            return 0;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static std::vector<uint8_t> bytes(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

// Red, green, blue of a 24-bit bitmap file, top row first.
std::vector<uint8_t> bmpPixels(const std::vector<uint8_t>& f, int32_t& w, int32_t& h) {
    auto u32 = [&](size_t o) {
        return uint32_t(f[o]) | uint32_t(f[o + 1]) << 8 | uint32_t(f[o + 2]) << 16 | uint32_t(f[o + 3]) << 24;
    };
    const uint32_t offset = u32(10);
    w = int32_t(u32(18));
    const int32_t rawH = int32_t(u32(22));
    h = rawH < 0 ? -rawH : rawH;
    EXPECT_EQ(f[28], 24);
    const size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
    std::vector<uint8_t> rgb;
    for (int32_t y = 0; y < h; ++y) {
        const size_t row = rawH < 0 ? size_t(y) : size_t(h - 1 - y);
        for (int32_t x = 0; x < w; ++x) {
            const uint8_t* px = f.data() + offset + row * stride + size_t(x) * 3;
            rgb.insert(rgb.end(), {px[2], px[1], px[0]});
        }
    }
    return rgb;
}

std::vector<uint8_t> pictureRgb(const Picture* p) {
    std::vector<uint8_t> rgb;
    for (int32_t i = 0; i < p->width * p->height; ++i) rgb.insert(rgb.end(), p->pixels + 4 * i, p->pixels + 4 * i + 3);
    return rgb;
}

}  // namespace

TEST_F(CommandLine, UsageErrorsNameTheBadWordAndRunNothing) {
    struct Case {
        std::vector<std::string> args;
        const char* mentions;
    };
    for (const Case& c : std::vector<Case>{{{"new", "8", "8", "circles", "1", "2", "many", "save", "x.bmp"}, "'many'"},
                                           {{"new", "8", "8", "circles", "1", "2"}, "'circles' needs 3 arguments"},
                                           {{"new", "8", "8", "frobnicate"}, "'frobnicate'"},
                                           {{"connectable", "maybe"}, "'maybe'"},
                                           {{"fill", "12345G"}, "'12345G'"},
                                           {{"blend-color", "white"}, "'white'"},
                                           {{"new", "8", "8", "save", "picture"}, "Please enter extension eg(.jpg)"},
                                           {{"seed", "1e3"}, "'1e3'"},
                                           {{}, "no steps"},
                                           {{"--imagelib"}, "PATH"}}) {
        std::vector<std::string> args = c.args;
        out_.str("");
        err_.str("");
        EXPECT_EQ(runCommandLine(args, out_, err_, false), kExitUsage) << c.mentions;
        EXPECT_NE(err_.str().find(c.mentions), std::string::npos) << err_.str();
    }
    // Checked before anything runs: the first, valid, step made no file.
    EXPECT_EQ(run({"new", "8", "8", "save", path("a.bmp"), "circles", "x", "1", "1"}), kExitUsage);
    EXPECT_FALSE(std::filesystem::exists(path("a.bmp")));
}

TEST_F(CommandLine, RefusedOperationsShowTheSystemMessageAndStop) {
    EXPECT_EQ(run({"circles", "8", "32", "5", "new", "8", "8", "save", path("b.bmp")}), kExitRefused);
    EXPECT_EQ(err_.str(), "The picture is not initialized,please goto File->New\n");
    EXPECT_FALSE(std::filesystem::exists(path("b.bmp")));
    EXPECT_EQ(run({"new", "3", "100"}), kExitRefused);
    EXPECT_EQ(err_.str(), "The picture should be have a minimum size 4,4\n");
    EXPECT_EQ(run({"fill", "ff0000"}), kExitRefused);
    EXPECT_EQ(run({"palette", path("missing.vpal")}), kExitRefused);
    EXPECT_EQ(run({"new", "8", "8", "save", path("no/such/dir/c.bmp")}), kExitRefused);
    EXPECT_NE(err_.str().find("Erreur exportation"), std::string::npos);
    EXPECT_EQ(run({"new", "8", "8", "save", path("c.xyz")}), kExitRefused);
}

TEST_F(CommandLine, HelpListsEveryStep) {
    EXPECT_EQ(run({"--help"}), kExitOk);
    for (const char* usage :
         {"seed N", "connectable on|off", "mix FROM TO", "blend-color RRGGBB|none", "palette FILE.vpal", "new W H",
          "load FILE", "fill RRGGBB", "circles RAYMIN RAYMAX COUNT", "rectangles XMIN YMIN XMAX YMAX COUNT",
          "polygons RAYMIN RAYMAX ANGMIN ANGMAX COUNT FILL", "vectors LENMIN LENMAX WMIN WMAX COUNT FILL", "save FILE"})
        EXPECT_NE(out_.str().find(usage), std::string::npos) << usage;
}

TEST_F(CommandLine, SavedPicturesAreTheGeneratorsPicturesTopRowFirst) {
    // A palette of three colors, a mix range, connectable off: the file must hold
    // exactly what the generators draw with the seed as their clock.
    Palette pal;
    for (ShapeColor c : {ShapeColor{200, 10, 10}, ShapeColor{10, 200, 10}, ShapeColor{10, 10, 200}})
        addPaletteColor(pal, c);
    ASSERT_TRUE(savePaletteFile(path("p.vpal"), pal));
    ASSERT_EQ(
        run({"seed",    "4294967303", "connectable", "off",    "mix",     "40", "300", "palette", path("p.vpal"), "new",
             "61",      "37",         "fill",        "102030", "circles", "4",  "12",  "30",      "palette",      "off",
             "vectors", "4",          "40",          "2",      "9",       "20", "0",   "save",    path("s.bmp")}),
        kExitOk)
        << err_.str();

    resetPaintSettings();
    PaintSettings& s = paintSettings();
    s.connectable = 0;
    s.mixFromPercent = 40;
    s.mixToPercent = uint8_t(300 & 0xFF);
    s.paletteOff = 0;
    currentPalette() = pal;
    PicturePtr expected(createPicture(61, 37, 0));
    for (int32_t i = 0; i < 61 * 37; ++i) std::memcpy(expected->pixels + 4 * i, "\x10\x20\x30\xff", 4);
    FakeInteraction ui;
    ui.clock = 7;  // the seed's low 32 bits
    drawCircles(expected.get(), CircleParams{4, 12, 30}, ui);
    s.paletteOff = 1;
    drawVectors(expected.get(), VectorParams{4, 40, 2, 9, 20, 0}, ui);

    int32_t w = 0, h = 0;
    const auto rgb = bmpPixels(bytes(path("s.bmp")), w, h);
    ASSERT_EQ(w, 61);
    ASSERT_EQ(h, 37);
    EXPECT_TRUE(rgb == pictureRgb(expected.get()));
}

TEST_F(CommandLine, LoadBringsBackWhatWasSaved) {
    ASSERT_EQ(run({"seed", "3", "new", "40", "30", "rectangles", "2", "2", "20", "20", "50", "save", path("r.bmp")}),
              kExitOk);
    ASSERT_EQ(run({"load", path("r.bmp"), "save", path("r2.bmp")}), kExitOk) << err_.str();
    EXPECT_EQ(bytes(path("r.bmp")), bytes(path("r2.bmp")));
    EXPECT_EQ(run({"load", path("nothing.bmp")}), kExitRefused);
}

TEST_F(CommandLine, TheProgramReproducesASeededRun) {
    const std::vector<std::string> steps = {"seed", "42",      "new", "128",      "96", "mix", "60", "100", "circles",
                                            "8",    "32",      "100", "polygons", "8",  "30",  "8",  "32",  "20",
                                            "1",    "vectors", "8",   "64",       "8",  "24",  "40", "1"};
    auto first = steps, second = steps;
    first.insert(first.end(), {"save", path("one.bmp")});
    second.insert(second.end(), {"save", path("two.bmp")});
    ASSERT_EQ(runProgram(first), 0);
    ASSERT_EQ(runProgram(second), 0);
    const auto a = bytes(path("one.bmp"));
    EXPECT_GT(a.size(), size_t(128 * 96 * 3));
    EXPECT_EQ(a, bytes(path("two.bmp")));
    EXPECT_EQ(runProgram({"circles", "1"}), 2);
    EXPECT_EQ(runProgram({"circles", "1", "2", "3"}), 1);
}

TEST_F(CommandLine, CtrlCStopsTheEndlessStepAndTheLaterStepsRun) {
    pid_t child = 0;
    runProgram({"new", "64", "64", "save", path("started.bmp"), "circles", "2", "6", "0", "save", path("after.bmp")},
               &child);
    // Once the first file exists the program is past its start and into the endless step.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!std::filesystem::exists(path("started.bmp")) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ASSERT_EQ(kill(child, SIGINT), 0);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            FAIL() << "the endless step did not stop";
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(std::filesystem::exists(path("after.bmp")));
}

TEST_F(CommandLine, AnInterruptBetweenStepsOnlyClearsTheNextStartCheck) {
    // Escape pressed before a generator starts is asked about and ignored: the
    // step still draws its full count.
    ASSERT_EQ(run({"seed", "9", "new", "16", "16", "save", path("before.bmp")}), kExitOk);
    raiseInterruptFlag();
    ASSERT_EQ(run({"seed", "9", "new", "16", "16", "circles", "3", "4", "5", "save", path("x.bmp")}), kExitOk);
    ASSERT_EQ(run({"seed", "9", "new", "16", "16", "circles", "3", "4", "5", "save", path("y.bmp")}), kExitOk);
    EXPECT_EQ(bytes(path("x.bmp")), bytes(path("y.bmp")));
    EXPECT_NE(bytes(path("x.bmp")), bytes(path("before.bmp")));
}
