#include <cstring>
#include <filesystem>

#include "cli_test.h"
#include "exchange/png_compression.h"

namespace {

using PngSteps = CliTest;

TEST_F(PngSteps, CompressionStepChoosesTheCoderOfLaterSaves) {
    const auto size = [&](const std::string& name) { return std::filesystem::file_size(path(name)); };
    const std::vector<std::string> picture = {"seed", "3", "new", "300", "200", "circles", "4", "60", "40"};
    auto with = [&](std::vector<std::string> tail) {
        std::vector<std::string> args = picture;
        args.insert(args.end(), tail.begin(), tail.end());
        return args;
    };
    ASSERT_EQ(run(with({"save", path("fast.png"), "png-compression", "small", "save", path("small.PNG")})), kExitOk)
        << err_.str();
    EXPECT_LE(size("small.PNG"), size("fast.png"));
    const PicturePtr fast = load("fast.png"), small = load("small.PNG");
    ASSERT_TRUE(fast && small);
    EXPECT_EQ(0, std::memcmp(fast->pixels, small->pixels, 300 * 200 * 4));
    pngCompression() = PngCompression::Fast;

    const struct {
        std::vector<std::string> args;
        int code;
        std::string message;
    } cases[] = {
        {{"png-compression", "medium"}, kExitUsage, "medium"},
        {{"png-compression", "Fast"}, kExitUsage, "Fast"},
        {with({"save", path("no/such/folder/a.png")}), kExitRefused,
         "Cannot save " + path("no/such/folder/a.png") + ": No such file or directory"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.args), c.code) << c.message;
        EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
    }
    EXPECT_FALSE(std::filesystem::exists(path("no")));
    EXPECT_EQ(run({"--help"}), kExitOk);
    EXPECT_NE(out_.str().find("png-compression fast|small"), std::string::npos);
}

}  // namespace
