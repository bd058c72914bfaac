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

#include "cli/command_line.h"
#include "params/parameter_blocks.h"
#include "tests/params/configuration_test_support.h"

namespace fs = std::filesystem;

namespace {

class ConfigSteps : public ::testing::Test {
protected:
    void SetUp() override {
        resetPaintSettings();
        resetParameterBlocks();
        dir_ = fs::temp_directory_path() / ("vospren_cli_config_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::remove_all(dir_);
        resetPaintSettings();
        resetParameterBlocks();
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    int run(const std::vector<std::string>& args) {
        err_.str("");
        return runCommandLine(args, out_, err_, false);
    }
    static std::vector<uint8_t> read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const std::string& p, const std::vector<uint8_t>& b) {
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    }

    // Starts the real program; returns its process id.
    static pid_t startProgram(const std::vector<std::string>& args) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            std::vector<char*> argv{const_cast<char*>(VOSPREN_CLI_PATH)};
            for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(VOSPREN_CLI_PATH, argv.data());
            ::_exit(127);
        }
        return pid;
    }
    static int waitFor(pid_t pid) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path dir_;
    std::ostringstream out_, err_;
};

TEST_F(ConfigSteps, AFirstRunSavesThe482BytesOfTheTable) {
    ASSERT_EQ(waitFor(startProgram({"save-config", path("first.vscfg")})), 0);
    const std::vector<uint8_t> bytes = read(path("first.vscfg"));
    EXPECT_EQ(bytes.size(), 482u);
    EXPECT_EQ(bytes, expectedFile(OwnConfiguration()));
}

// Every step stores what its dialog's OK would, so the file after a session is the
// one the window would save after the same session.
TEST_F(ConfigSteps, AScriptedSessionSavesWhatItsDialogsWouldHaveKept) {
    ASSERT_EQ(run({"connectable",
                   "off",
                   "mix",
                   "30",
                   "316",
                   "blend-color",
                   "102030",
                   "new",
                   "64",
                   "32",
                   "circles",
                   "3",
                   "9",
                   "2",
                   "rectangles",
                   "1",
                   "2",
                   "3",
                   "4",
                   "5",
                   "polygons",
                   "5",
                   "10",
                   "15",
                   "20",
                   "1",
                   "7",
                   "vectors",
                   "1",
                   "2",
                   "3",
                   "4",
                   "1",
                   "0",
                   "noise",
                   "300",
                   "1",
                   "7",
                   "sharpen",
                   "55",
                   "seed",
                   "9",
                   "render-connectable",
                   "save-config",
                   path("session.vscfg")}),
              kExitOk)
        << err_.str();
    OwnConfiguration expected;
    expected.settings.connectable = 0;
    expected.settings.mixFromPercent = 30;
    expected.settings.mixToPercent = 316 & 0xFF;
    expected.settings.blendColor = 0x00302010;
    // "Configuration ..." confirmed before the color and mix changed: its block
    // holds the values of that moment.
    expected.config = {0x00FFFFFF, 100, 100};
    expected.newPicture = {64, 32, 0};
    expected.circle = {3, 9, 2};
    expected.rectangle = {1, 2, 3, 4, 5};
    expected.polygon = {5, 10, 15, 20, 1, 1, {}};
    expected.vector = {1, 2, 3, 4, 1, 0, {}};
    expected.noise = {1, 300 & 0xFF, {}, 7};
    expected.sharpen.sharpenPercent = 55;
    EXPECT_EQ(read(path("session.vscfg")), expectedFile(expected));
}

// A file the window saved (every value, unused bytes and lists set) reproduces its
// settings in a script and comes back unchanged.
TEST_F(ConfigSteps, AWindowFileLoadsAndSavesBackUnchanged) {
    OwnConfiguration window = distinctiveConfiguration();
    ASSERT_TRUE(saveConfiguration(path("window.vscfg"), nullptr, window.refs()));
    ASSERT_EQ(run({"config", path("window.vscfg"), "save-config", path("again.vscfg")}), kExitOk) << err_.str();
    EXPECT_EQ(read(path("again.vscfg")), read(path("window.vscfg")));
    EXPECT_EQ(circleParams().rayMax, 1000);
    EXPECT_EQ(paintSettings().connectable, 0);
    EXPECT_EQ(paintSettings().blendColor, PaintSettings::kNoBlendColor);
    EXPECT_EQ(tagParams().tagFiles, window.tag.tagFiles);

    // The loaded values drive the steps after it: the mix range came from the file.
    ASSERT_EQ(run({"config", path("window.vscfg"), "connectable", "on", "save-config", path("on.vscfg")}), kExitOk);
    OwnConfiguration on = distinctiveConfiguration();
    on.settings.connectable = 1;
    on.config = {PaintSettings::kNoBlendColor, 20, 75};
    EXPECT_EQ(read(path("on.vscfg")), expectedFile(on));
}

// Both Configuration settings steps store the whole dialog block, as its OK does; and a
// file added to a list loaded out of order joins a list the dialog shows sorted.
TEST_F(ConfigSteps, SettingStepsStoreTheDialogBlockAndListsComeBackSorted) {
    for (const char* step : {"connectable", "anti-alias"}) {
        resetPaintSettings();
        resetParameterBlocks();
        ASSERT_EQ(run({"blend-color", "102030", "mix", "20", "75", step, "on"}), kExitOk) << err_.str();
        EXPECT_EQ(configParams().configBlendColor, 0x00302010u) << step;
        EXPECT_EQ(configParams().configMixFrom, 20) << step;
        EXPECT_EQ(configParams().configMixTo, 75) << step;
        // The flags have one home, PaintSettings, which the dialog shows.
        const PaintSettings& live = paintSettings();
        EXPECT_EQ(std::string(step) == "connectable" ? live.connectable : live.rotationAntiAlias, 1) << step;
    }
    OwnConfiguration unsorted = distinctiveConfiguration();
    unsorted.tag.tagFiles = {"/z/b.png", "/a/a.png"};
    ASSERT_TRUE(saveConfiguration(path("unsorted.vscfg"), nullptr, unsorted.refs()));
    ASSERT_EQ(run({"config", path("unsorted.vscfg"), "tag-file", "/m/m.png"}), kExitOk) << err_.str();
    EXPECT_EQ(tagParams().tagFiles, (std::vector<std::string>{"/a/a.png", "/m/m.png", "/z/b.png"}));
}

TEST_F(ConfigSteps, BadFilesAreRefusedWithTheReadersMessages) {
    std::vector<uint8_t> badVersion = OwnConfiguration().bytes();
    badVersion[25] = 1;
    badVersion[24] = 1;  // 0x0101
    write(path("version.vscfg"), badVersion);
    write(path("header.vscfg"), {'N', 'o', 'p', 'e'});
    fs::create_directory(path("folder.vscfg"));
    write(path("old.vscfg"), {1, 2, 3});

    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"config", path("version.vscfg")}, "Bad version file " + path("version.vscfg")},
        {{"config", path("header.vscfg")}, "Header invalide " + path("header.vscfg")},
        {{"config", path("missing.vscfg")}, "Cannot open the configuration file " + path("missing.vscfg")},
        {{"config", path("folder.vscfg")}, "Cannot open the configuration file " + path("folder.vscfg")},
        {{"save-config", path("folder.vscfg")},
         "Cannot save the configuration to " + path("folder.vscfg") + ": Is a directory"},
        {{"save-config", path("none/x.vscfg")},
         "Cannot save the configuration to " + path("none/x.vscfg") + ": No such file or directory"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back("save-config");
        args.push_back(path("old.vscfg"));
        EXPECT_EQ(run(args), kExitRefused) << c.message;
        EXPECT_EQ(err_.str(), c.message + "\n");
        EXPECT_EQ(read(path("old.vscfg")), (std::vector<uint8_t>{1, 2, 3})) << "later steps did not run";
    }
    EXPECT_EQ(run({"config", ""}), kExitUsage);
}

// The program killed at any moment of a save: the file is the old one or the new
// one, whole, never a mix. A large file makes each save long enough to be hit.
TEST_F(ConfigSteps, KillingTheProgramDuringASaveNeverLeavesATornFile) {
    OwnConfiguration big;
    big.tag.tagFiles.assign(1500, std::string(4000, 'f'));
    ASSERT_TRUE(saveConfiguration(path("big.vscfg"), nullptr, big.refs()));
    const std::vector<uint8_t> newBytes = read(path("big.vscfg"));
    const std::vector<uint8_t> oldBytes = OwnConfiguration().bytes();
    std::vector<std::string> args{"config", path("big.vscfg")};
    for (int i = 0; i < 40; ++i) args.insert(args.end(), {"save-config", path("out.vscfg")});

    int sawNew = 0;
    for (int round = 0; round < 8; ++round) {
        write(path("out.vscfg"), oldBytes);
        const pid_t pid = startProgram(args);
        std::this_thread::sleep_for(std::chrono::milliseconds(40 + 60 * round));
        ::kill(pid, SIGKILL);
        waitFor(pid);
        const std::vector<uint8_t> now = read(path("out.vscfg"));
        EXPECT_TRUE(now == oldBytes || now == newBytes) << "round " << round << ": " << now.size() << " bytes";
        sawNew += now == newBytes;
    }
    EXPECT_GT(sawNew, 0) << "the saves were reached";
}

}  // namespace
