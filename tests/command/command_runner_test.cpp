#include "command/command_runner.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "command/command_host.h"
#include "command/command_texts.h"
#include "core/out_of_memory.h"
#include "storage/file_name.h"
#include "tests/support/fake_interaction.h"

namespace {

using Log = std::vector<std::string>;

// A host that logs every step of the flow it is asked for, in order.
class LoggingHost : public CommandHost {
public:
    LoggingHost() { ui.log = &log; }
    Picture* currentPicture() override { return picture.get(); }
    void replacePicture(PicturePtr p) override { picture = std::move(p); }
    void saveUndoSnapshot() override { log.push_back("snapshot"); }
    void refreshView() override { log.push_back("refresh"); }
    void showEscapeInformation() override { log.push_back("escape information"); }
    Interaction& interaction() override { return ui; }

    PicturePtr picture;
    Log log;
    FakeInteraction ui;
};

enum class Body { Draws, DrawsNothing, ThrowsBadAlloc, ThrowsOwn };

struct FlowCase {
    const char* name;
    PictureCommand::Needs needs;
    int side;     // of the square picture; 0: none
    int confirm;  // -1: no dialog, 0: cancelled, 1: OK
    bool escapeInformation;
    Body body;
    CommandOutcome outcome;
    Log log;
};

const std::string kNoPicture = "message: The picture is not initialized,please goto File->New";
const std::string kTooSmall = "message: The picture should be have a minimum size 4,4";

TEST(CommandRunner, RunsTheStandardFlowInOrderAndStopsWhereACheckFails) {
    using N = PictureCommand::Needs;
    using O = CommandOutcome;
    // clang-format off
    const FlowCase cases[] = {
        {"generator", N::SizedPicture, 8, 1, true, Body::Draws, O::Done,
         {"dialog", "escape information", "snapshot", "run", "refresh"}},
        {"no escape word", N::SizedPicture, 8, 1, false, Body::Draws, O::Done, {"dialog", "snapshot", "run", "refresh"}},
        {"no dialog", N::SizedPicture, 8, -1, false, Body::Draws, O::Done, {"snapshot", "run", "refresh"}},
        {"cancelled", N::SizedPicture, 8, 0, true, Body::Draws, O::Cancelled, {"dialog"}},
        {"no picture", N::SizedPicture, 0, 1, true, Body::Draws, O::Refused, {kNoPicture}},
        {"too small", N::SizedPicture, 3, 1, true, Body::Draws, O::Refused, {kTooSmall}},
        {"nothing drawn", N::SizedPicture, 8, 1, false, Body::DrawsNothing, O::Done, {"dialog", "snapshot", "run"}},
        {"any size", N::AnyPicture, 3, 1, false, Body::Draws, O::Done, {"dialog", "snapshot", "run", "refresh"}},
        {"any size, none", N::AnyPicture, 0, 1, false, Body::Draws, O::Refused, {"dialog"}},
        {"any size, cancelled", N::AnyPicture, 0, 0, false, Body::Draws, O::Cancelled, {"dialog"}},
        {"out of memory", N::AnyPicture, 8, -1, false, Body::ThrowsBadAlloc, O::OutOfMemory,
         {"snapshot", "run", "message: Not enough memory to filter this picture", "refresh"}},
        {"own message", N::SizedPicture, 8, -1, false, Body::ThrowsOwn, O::OutOfMemory,
         {"snapshot", "run", "message: Not enough memory for the test", "refresh"}},
    };
    // clang-format on
    for (const FlowCase& c : cases) {
        SCOPED_TRACE(c.name);
        LoggingHost host;
        if (c.side > 0) host.picture = createPicture(c.side, c.side, 0);
        PictureCommand command;
        command.needs = c.needs;
        if (c.confirm >= 0) {
            command.confirm = [&] {
                host.log.push_back("dialog");
                return c.confirm == 1;
            };
        }
        command.escapeInformation = c.escapeInformation;
        command.run = [&](Picture& picture, Interaction& ui) {
            host.log.push_back("run");
            EXPECT_EQ(&picture, host.picture.get());
            EXPECT_EQ(&ui, &host.ui);
            if (c.body == Body::ThrowsBadAlloc) throw std::bad_alloc();
            if (c.body == Body::ThrowsOwn) throw OutOfMemory("Not enough memory for the test");
            return c.body == Body::Draws;
        };
        EXPECT_EQ(runPictureCommand(host, command), c.outcome);
        EXPECT_EQ(host.log, c.log);
        for (const FakeInteraction::Said& m : host.ui.messages) {
            EXPECT_EQ(m.caption, "KorvintePicture");
            EXPECT_EQ(m.icon, Interaction::Icon::Error);
        }
    }
}

TEST(CommandTexts, SharedMessagesAndTheSystemsReasonForAFailedWrite) {
    FakeInteraction ui;
    reportExportFailure(ui, "/x/a.png");
    reportNoMemoryForPicture(ui, 70000, 3);
    EXPECT_EQ(ui.messageTexts(), (Log{"Failure export image /x/a.png", "Erreur exportation",
                                      "Not enough memory for a picture of 70000 x 3"}));

    EXPECT_EQ(writeFailureReason("/no/such/folder/a.png", 0), std::strerror(ENOENT));
    // A folder that can be written leaves the reason the failed write gave, if any.
    EXPECT_EQ(writeFailureReason(testing::TempDir() + "a.png", ENOSPC), std::strerror(ENOSPC));
    EXPECT_FALSE(writeFailureReason(testing::TempDir() + "a.png", 0).empty());
}

}  // namespace
