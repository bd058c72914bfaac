#include "params/configuration_file.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/interaction.h"
#include "tests/params/configuration_test_support.h"
#include "tests/support/fake_interaction.h"

namespace fs = std::filesystem;

namespace {

// Loads bytes into a fresh (default) set of records.
ConfigurationLoad load(const std::vector<uint8_t>& bytes, OwnConfiguration& into) {
    return readConfiguration(bytes.data(), bytes.size(), into.refs());
}

TEST(ConfigurationFile, FirstRunFileIsThe482BytesOfTheTable) {
    OwnConfiguration defaults;
    const std::vector<uint8_t> bytes = defaults.bytes();
    ASSERT_EQ(bytes.size(), 482u);
    EXPECT_EQ(bytes, expectedFile(defaults));
    // A few values spelled out, so that the oracle's defaults are checked too.
    const std::vector<uint8_t> start(bytes.begin(), bytes.begin() + 32);
    EXPECT_EQ(std::string(start.begin(), start.begin() + 24), "KorvintePicture.Config\r\n");
    EXPECT_EQ(std::vector<uint8_t>(start.begin() + 24, start.end()), (std::vector<uint8_t>{0, 1, 12, 0, 8, 0, 0, 0}));
    // Item 11, the blend color with no length in front, follows 172 bytes of blocks.
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 176, bytes.begin() + 180), (std::vector<uint8_t>{255, 255, 255, 0}));
    EXPECT_EQ(std::vector<uint8_t>(bytes.end() - 6, bytes.end()), (std::vector<uint8_t>{4, 0, 0, 0, 0, 0}));
}

TEST(ConfigurationFile, EveryValueSurvivesASaveAndALoad) {
    OwnConfiguration saved = distinctiveConfiguration();
    const std::vector<uint8_t> bytes = saved.bytes();
    EXPECT_EQ(bytes, expectedFile(saved));

    OwnConfiguration loaded;
    ASSERT_EQ(load(bytes, loaded), ConfigurationLoad::Loaded);
    EXPECT_EQ(loaded.bytes(), bytes);
    EXPECT_EQ(loaded.circleMix.mixFiles, saved.circleMix.mixFiles) << "names in the same order";
    EXPECT_EQ(loaded.tag.tagFiles, saved.tag.tagFiles);
    EXPECT_EQ(loaded.tagInsert.insertHistory, saved.tagInsert.insertHistory);
    // "No blend color" travels as 0xFFFFFFFF in the bare value and leaves the color off.
    EXPECT_EQ(loaded.settings.blendColor, PaintSettings::kNoBlendColor);
    // The configuration block's flags are the live settings.
    EXPECT_EQ(loaded.settings.connectable, 0);
    EXPECT_EQ(loaded.settings.rotationAntiAlias, 1);
    EXPECT_EQ(loaded.config.configMixFrom, 44);
    EXPECT_EQ(std::memcmp(loaded.tagInsert.insertFile, "/stamp.png\0leftover", 20), 0) << "bytes after the end kept";
}

// Files of other builds: versions, headers, blocks shorter and longer than ours.
TEST(ConfigurationFile, HeaderVersionAndBlockLengthRules) {
    const std::vector<uint8_t> full = distinctiveConfiguration().bytes();
    auto withVersion = [&](uint16_t v) {
        std::vector<uint8_t> b = full;
        b[24] = uint8_t(v);
        b[25] = uint8_t(v >> 8);
        return b;
    };
    std::vector<uint8_t> badHeader = full;
    badHeader[22] = '\n';  // "...Config\n\n"
    std::vector<uint8_t> zeroInHeader = full;
    zeroInHeader[5] = 0;

    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        ConfigurationLoad expected;
    } refusals[] = {
        {"version 0x0101", withVersion(0x0101), ConfigurationLoad::BadVersion},
        {"version 0xFFFF", withVersion(0xFFFF), ConfigurationLoad::BadVersion},
        {"header changed", badHeader, ConfigurationLoad::BadHeader},
        {"zero in the header", zeroInHeader, ConfigurationLoad::BadHeader},
        {"empty file", {}, ConfigurationLoad::BadHeader},
    };
    for (const auto& r : refusals) {
        OwnConfiguration c;
        EXPECT_EQ(load(r.bytes, c), r.expected) << r.name;
        EXPECT_EQ(c.bytes(), OwnConfiguration().bytes()) << r.name << ": nothing changed";
    }
    for (uint16_t v : {0x0000, 0x0001, 0x0100}) {
        OwnConfiguration c;
        EXPECT_EQ(load(withVersion(v), c), ConfigurationLoad::Loaded) << v;
        EXPECT_EQ(c.bytes(), full);
    }

    // A circle block of 4 bytes changes rayMin only; the polygon block follows it.
    FileBuilder shortBlock;
    shortBlock.raw(full.data(), 26).u16(4).i32(99).raw(full.data() + 40, full.size() - 40);
    OwnConfiguration s;
    ASSERT_EQ(load(shortBlock.bytes, s), ConfigurationLoad::Loaded);
    EXPECT_EQ(s.circle.rayMin, 99);
    EXPECT_EQ(s.circle.rayMax, 32);
    EXPECT_EQ(s.circle.circleCount, 0);
    EXPECT_EQ(s.polygon.rayMax, 2);
    EXPECT_EQ(s.tag.tagFiles, distinctiveConfiguration().tag.tagFiles);

    // A circle block of 14 bytes: its last two are not skipped but read as the
    // polygon block's length (8 here), the polygon block's own length as its first
    // two bytes, and so on down the file.
    FileBuilder longBlock;
    longBlock.raw(full.data(), 26).u16(14).i32(5).i32(6).i32(7).u16(8).raw(full.data() + 40, full.size() - 40);
    OwnConfiguration l;
    ASSERT_EQ(load(longBlock.bytes, l), ConfigurationLoad::Loaded);
    EXPECT_EQ(l.circle.rayMin, 5);
    EXPECT_EQ(l.circle.circleCount, 7);
    EXPECT_EQ(l.polygon.rayMin, 24 | (1 << 16)) << "length 24 then the low half of rayMin 1";
    EXPECT_EQ(l.polygon.rayMax, 2 << 16) << "the next 4 bytes, shifted by two";
    EXPECT_EQ(l.polygon.angMin, 8) << "8 bytes read, the rest kept";
}

// Cut at every byte, the file loads what it holds and keeps the rest: the fixed
// part reads back as the file's bytes up to the cut and the defaults after it, and
// lists hold at most what the file held, every entry a beginning of the real one.
TEST(ConfigurationFile, CutAtEveryByte) {
    OwnConfiguration source = distinctiveConfiguration();
    const std::vector<uint8_t> full = source.bytes();
    const std::vector<uint8_t> defaults = OwnConfiguration().bytes();
    const size_t firstList = 190;  // header, version, eight blocks, blend color, configuration block
    auto prefixOf = [](const std::vector<std::string>& got, const std::vector<std::string>& all) {
        if (got.size() > all.size()) return false;
        for (size_t i = 0; i < got.size(); ++i)
            if (all[i].compare(0, got[i].size(), got[i]) != 0) return false;
        return true;
    };
    for (size_t cut = 0; cut < full.size(); ++cut) {
        OwnConfiguration c;
        const ConfigurationLoad result = readConfiguration(full.data(), cut, c.refs());
        ASSERT_EQ(result, cut < 24 ? ConfigurationLoad::BadHeader : ConfigurationLoad::Loaded) << cut;
        if (cut <= firstList) {
            std::vector<uint8_t> expected(full.begin(), full.begin() + long(cut));
            expected.insert(expected.end(), defaults.begin() + long(cut), defaults.end());
            ASSERT_EQ(c.bytes(), expected) << "cut at " << cut;
        }
        ASSERT_TRUE(prefixOf(c.circleMix.mixFiles, source.circleMix.mixFiles)) << cut;
        ASSERT_TRUE(prefixOf(c.tag.tagFiles, source.tag.tagFiles)) << cut;
        ASSERT_TRUE(prefixOf(c.tagInsert.insertHistory, source.tagInsert.insertHistory)) << cut;
    }
}

// Lying counts and lengths cost no more than the bytes that are there; texts end
// at their first zero byte; a path filling its whole field gets a terminator.
TEST(ConfigurationFile, HostileListsAndTexts) {
    const std::vector<uint8_t> full = OwnConfiguration().bytes();
    const std::vector<uint8_t> beforeLists(full.begin(), full.begin() + 190);

    FileBuilder absurdCount;
    absurdCount.raw(beforeLists.data(), beforeLists.size()).u16(0xFFFF).u16(3).raw("abc", 3);
    FileBuilder absurdLength;
    absurdLength.raw(beforeLists.data(), beforeLists.size()).u16(2).u16(0xFFFF).raw("abc", 3);
    FileBuilder zeros;
    zeros.raw(beforeLists.data(), beforeLists.size()).u16(2).u16(5).raw("ab\0cd", 5).u16(0);
    zeros.list({"t"}).i32(0).u16(8).raw("\0\0\0\0\0\0\0\0", 8);
    std::string fullPath(260, 'p');
    zeros.u16(264).raw(fullPath.data(), 260).u32(0).list({}).u16(4).i32(0);

    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        std::vector<std::string> mixFiles;
    } cases[] = {
        {"count 65535, one entry there", absurdCount.bytes, {"abc"}},
        {"length 65535, three bytes there", absurdLength.bytes, {"abc"}},
        {"zero inside a text", zeros.bytes, {"ab", ""}},
    };
    for (const auto& c : cases) {
        OwnConfiguration into = distinctiveConfiguration();
        EXPECT_EQ(load(c.bytes, into), ConfigurationLoad::Loaded) << c.name;
        EXPECT_EQ(into.circleMix.mixFiles, c.mixFiles) << c.name;
        EXPECT_LE(into.circleMix.mixFiles.capacity(), c.bytes.size()) << c.name;
    }
    OwnConfiguration into;
    ASSERT_EQ(load(zeros.bytes, into), ConfigurationLoad::Loaded);
    EXPECT_EQ(into.tag.tagFiles, std::vector<std::string>{"t"});
    EXPECT_EQ(std::strlen(into.tagInsert.insertFile), 259u);

    // A text the u16 cannot carry is cut to 65535 bytes, a list to 65535 entries;
    // what follows them stays readable.
    OwnConfiguration big;
    big.tag.tagFiles.assign(70000, "n");
    big.circleMix.mixFiles = {std::string(70000, 'L') + std::string("\0hidden", 7)};
    big.sharpen.sharpenPercent = 9;
    OwnConfiguration back;
    ASSERT_EQ(load(big.bytes(), back), ConfigurationLoad::Loaded);
    EXPECT_EQ(back.tag.tagFiles.size(), 65535u);
    EXPECT_EQ(back.circleMix.mixFiles, std::vector<std::string>{std::string(65535, 'L')});
    EXPECT_EQ(back.sharpen.sharpenPercent, 9);
}

// A source that fails after a given number of bytes, as a failing disc would.
class FailingSource : public ConfigurationSource {
public:
    FailingSource(std::vector<uint8_t> bytes, size_t failAt) : bytes_(std::move(bytes)), failAt_(failAt) {}
    ssize_t read(uint8_t* data, size_t size) override {
        if (at_ >= failAt_) return -1;
        const size_t n = std::min({size, failAt_ - at_, bytes_.size() - at_});
        std::memcpy(data, bytes_.data() + at_, n);
        at_ += n;
        return ssize_t(n);
    }

private:
    std::vector<uint8_t> bytes_;
    size_t failAt_;
    size_t at_ = 0;
};

TEST(ConfigurationFile, AFailedReadKeepsWhatWasRead) {
    OwnConfiguration source = distinctiveConfiguration();
    FailingSource failing(source.bytes(), 250);  // inside the tag picture list
    OwnConfiguration c;
    c.tagInsert.insertHistory = {"kept"};
    EXPECT_EQ(readConfiguration(failing, c.refs()), ConfigurationLoad::ReadFailed);
    EXPECT_EQ(c.circle.rayMax, 1000);
    EXPECT_EQ(c.circleMix.mixFiles, source.circleMix.mixFiles);
    EXPECT_EQ(c.tagInsert.insertHistory, std::vector<std::string>{"kept"}) << "items after the failure untouched";
    EXPECT_EQ(c.sharpen.sharpenPercent, 0);
}

class ConfigurationFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vospren_config_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    static void write(const std::string& p, const std::vector<uint8_t>& b) {
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    }
    static std::vector<uint8_t> read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir_;
    FakeInteraction ui{0};
};

TEST_F(ConfigurationFiles, MessagesAndFilesThatCannotBeRead) {
    std::vector<uint8_t> badVersion = OwnConfiguration().bytes();
    badVersion[25] = 2;
    write(path("version.vscfg"), badVersion);
    write(path("header.vscfg"), {'K', 'o'});
    write(path("held.vscfg"), OwnConfiguration().bytes());
    fs::create_directory(path("folder.vscfg"));
    ASSERT_EQ(::mkfifo(path("pipe.vscfg").c_str(), 0600), 0);
    const int holder = ::open(path("held.vscfg").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);

    const struct {
        std::string file;
        ConfigurationLoad result;
        std::vector<std::string> messages;
    } cases[] = {
        {path("version.vscfg"), ConfigurationLoad::BadVersion, {"Bad version file " + path("version.vscfg")}},
        {path("header.vscfg"), ConfigurationLoad::BadHeader, {"Header invalide " + path("header.vscfg")}},
        {path("missing.vscfg"), ConfigurationLoad::NotOpened, {}},
        {path("folder.vscfg"), ConfigurationLoad::NotOpened, {}},
        {path("pipe.vscfg"), ConfigurationLoad::NotOpened, {}},  // and does not wait for a writer
        {path("held.vscfg"), ConfigurationLoad::NotOpened, {}},
        // A file whose reads fail: the guarded load names the path its caller gave.
        {"/proc/self/mem", ConfigurationLoad::ReadFailed, {"Internal error during loading shown"}},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        OwnConfiguration into = distinctiveConfiguration();
        EXPECT_EQ(loadConfigurationGuarded(c.file, "shown", ui, into.refs()), c.result) << c.file;
        EXPECT_EQ(ui.messageTexts(), c.messages) << c.file;
        for (const FakeInteraction::Said& m : ui.messages) {
            EXPECT_EQ(m.caption, "KorvintePicture");
            EXPECT_EQ(m.icon, Interaction::Icon::Error);
        }
        EXPECT_EQ(into.bytes(), distinctiveConfiguration().bytes()) << c.file << ": nothing changed";
    }
    ::close(holder);
}

TEST_F(ConfigurationFiles, SavedFileLoadsBackAndAFailedSaveKeepsTheOldOne) {
    OwnConfiguration saved = distinctiveConfiguration();
    std::string error;
    ASSERT_TRUE(saveConfiguration(path("main.vscfg"), &error, saved.refs())) << error;
    EXPECT_EQ(read(path("main.vscfg")), expectedFile(saved));
    OwnConfiguration loaded;
    EXPECT_EQ(loadConfiguration(path("main.vscfg"), ui, loaded.refs()), ConfigurationLoad::Loaded);
    EXPECT_EQ(loaded.bytes(), saved.bytes());

    OwnConfiguration other;
    for (const std::string& target : {path("no/such/folder/x.vscfg"), dir_.string()}) {
        EXPECT_FALSE(saveConfiguration(target, &error, other.refs())) << target;
        EXPECT_FALSE(error.empty());
    }
    const int holder = ::open(path("main.vscfg").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    EXPECT_FALSE(saveConfiguration(path("main.vscfg"), &error, other.refs()));
    ::close(holder);
    EXPECT_EQ(read(path("main.vscfg")), expectedFile(saved));
    EXPECT_TRUE(ui.messages.empty());
}

// Each block alone away from its defaults, through a real file: save, load into
// fresh records, save again; the two files are the same bytes. The whole set is
// also compared with the file this build wrote when the test was made.
TEST_F(ConfigurationFiles, EveryBlockSavesLoadsAndSavesAgainByteForByte) {
    using Take = void (*)(OwnConfiguration&, const OwnConfiguration&);
    const std::pair<const char*, Take> blocks[] = {
        {"settings", [](OwnConfiguration& c, const OwnConfiguration& d) { c.settings = d.settings; }},
        {"circle", [](OwnConfiguration& c, const OwnConfiguration& d) { c.circle = d.circle; }},
        {"polygon", [](OwnConfiguration& c, const OwnConfiguration& d) { c.polygon = d.polygon; }},
        {"rectangle", [](OwnConfiguration& c, const OwnConfiguration& d) { c.rectangle = d.rectangle; }},
        {"vector", [](OwnConfiguration& c, const OwnConfiguration& d) { c.vector = d.vector; }},
        {"circle mix", [](OwnConfiguration& c, const OwnConfiguration& d) { c.circleMix = d.circleMix; }},
        {"new picture", [](OwnConfiguration& c, const OwnConfiguration& d) { c.newPicture = d.newPicture; }},
        {"noise", [](OwnConfiguration& c, const OwnConfiguration& d) { c.noise = d.noise; }},
        {"configuration", [](OwnConfiguration& c, const OwnConfiguration& d) { c.config = d.config; }},
        {"tag", [](OwnConfiguration& c, const OwnConfiguration& d) { c.tag = d.tag; }},
        {"tag insertion", [](OwnConfiguration& c, const OwnConfiguration& d) { c.tagInsert = d.tagInsert; }},
        {"sharpen", [](OwnConfiguration& c, const OwnConfiguration& d) { c.sharpen = d.sharpen; }},
        {"all", [](OwnConfiguration& c, const OwnConfiguration& d) { c = d; }},
    };
    const OwnConfiguration distinct = distinctiveConfiguration();
    std::string error;
    for (const auto& [name, take] : blocks) {
        SCOPED_TRACE(name);
        OwnConfiguration saved;
        take(saved, distinct);
        ASSERT_TRUE(saveConfiguration(path("first.vscfg"), &error, saved.refs())) << error;
        OwnConfiguration loaded;
        ASSERT_EQ(loadConfiguration(path("first.vscfg"), ui, loaded.refs()), ConfigurationLoad::Loaded);
        ASSERT_TRUE(saveConfiguration(path("second.vscfg"), &error, loaded.refs())) << error;
        const std::vector<uint8_t> first = read(path("first.vscfg"));
        EXPECT_EQ(read(path("second.vscfg")), first);
        EXPECT_NE(first, OwnConfiguration().bytes()) << "the block changed the file";
    }
    EXPECT_EQ(read(path("first.vscfg")), read(VOSPREN_TEST_SOURCE_DIR "/tests/params/distinctive.vscfg"));
}

}  // namespace
