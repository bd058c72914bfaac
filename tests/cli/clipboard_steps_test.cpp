// The part-clipboard round trip through files from the command line: what
// part-export writes, what part-import keeps, and their refusals.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "cli/command_line.h"
#include "core/paint_settings.h"
#include "core/picture_checks.h"
#include "exchange/image_library.h"
#include "exchange/part_clipboard.h"
#include "exchange/picture_file.h"
#include "tests/cli/cli_test.h"
#include "tests/exchange/exchange_pictures.h"
#include "tests/support/picture_compare.h"

namespace {

class ClipboardSteps : public CliTest {
protected:
    void save(const Picture& p, const std::string& name) { ASSERT_TRUE(savePictureFile(library_, p, path(name))); }
};

TEST_F(ClipboardSteps, A512ConnectablePictureGoesTo640AndBackUnchanged) {
    PicturePtr original = busyPicture(512, 512, 3);
    save(*original, "tile.png");
    for (const char* mode : {"on", "off"}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(run({"connectable", mode, "load", path("tile.png"), "part-export", path("wide.png"), "part-import",
                       path("wide.png"), "save", path("back.png")}),
                  kExitOk)
            << err_.str();
        PicturePtr wide = load("wide.png");
        EXPECT_EQ(firstDifference(partExportPicture(*original, mode[1] == 'n').get(), wide.get()), "");
        EXPECT_EQ(firstDifference(original.get(), load("back.png").get()), "");
    }
}

TEST_F(ClipboardSteps, RefusalsCarryTheProgramsMessages) {
    save(*busyPicture(4, 9), "narrow.bmp");
    save(*busyPicture(5, 5), "five.bmp");
    const std::string missing = path("missing.png");
    const struct {
        std::vector<std::string> args;
        int code;
        std::string message;  // empty: none expected
    } cases[] = {
        {{"part-export", path("a.png")}, kExitRefused, kNoPictureMessage},
        {{"new", "8", "8", "part-export", path("no-extension")}, kExitUsage, "Please enter extension eg(.jpg)"},
        {{"new", "8", "8", "part-export", path("no/such/folder/a.png")}, kExitRefused, "Erreur exportation"},
        {{"part-import", missing}, kExitRefused, "Failure import image " + missing},
        {{"part-import", path("narrow.bmp")}, kExitRefused, kMinimumSizeMessage},
        {{"part-import", path("five.bmp"), "save", path("five-back.bmp")}, kExitOk, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        EXPECT_EQ(run(c.args), c.code);
        if (c.message.empty()) {
            EXPECT_EQ(err_.str(), "");
        } else {
            EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
        }
    }
    EXPECT_EQ(load("five-back.bmp")->width, 5) << "five columns, checked as four, lose no margin";

    EXPECT_EQ(run({"--help"}), kExitOk);
    EXPECT_NE(out_.str().find("part-export FILE"), std::string::npos);
    EXPECT_NE(out_.str().find("part-import FILE"), std::string::npos);
}

}  // namespace
