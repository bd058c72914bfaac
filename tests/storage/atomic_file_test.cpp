#include "storage/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vospren_atomic_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    static std::string read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const std::string& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }
    static bool save(const std::string& p, const std::string& text, std::string* error = nullptr) {
        return writeFileAtomically(p, text.data(), text.size(), error);
    }

    // Names in the folder, so that a failed save can be seen to leave nothing behind.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
};

TEST_F(AtomicFile, ReplacesKeepingPermissionsAndFollowingLinks) {
    ASSERT_TRUE(save(path("new.bin"), std::string("abc\0def", 7)));
    EXPECT_EQ(read(path("new.bin")), std::string("abc\0def", 7));
    const mode_t mask = ::umask(022);
    ::umask(mask);
    EXPECT_EQ(fs::status(path("new.bin")).permissions(), fs::perms(0666 & ~mask));

    write(path("private.bin"), "old contents, longer than the new ones");
    fs::permissions(path("private.bin"), fs::perms(0600));
    ASSERT_TRUE(save(path("private.bin"), "new"));
    EXPECT_EQ(read(path("private.bin")), "new");
    EXPECT_EQ(fs::status(path("private.bin")).permissions(), fs::perms(0600));

    fs::create_symlink(path("private.bin"), path("link.bin"));
    ASSERT_TRUE(save(path("link.bin"), "through the link"));
    EXPECT_TRUE(fs::is_symlink(path("link.bin")));
    EXPECT_EQ(read(path("private.bin")), "through the link");

    ASSERT_TRUE(save(path("empty.bin"), ""));
    EXPECT_EQ(fs::file_size(path("empty.bin")), 0u);
    EXPECT_EQ(entries(), (std::vector<std::string>{"empty.bin", "link.bin", "new.bin", "private.bin"}));
}

TEST_F(AtomicFile, RefusalsLeaveTheOldFileAndNoTemporaryBehind) {
    write(path("plain"), "keep me");
    fs::create_directory(path("folder"));
    write(path("held"), "held contents");
    const int holder = ::open(path("held").c_str(), O_RDONLY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);

    const struct {
        std::string target;
        const char* reason;
    } cases[] = {
        {path("folder"), "Is a directory"},       {path("missing/x.bin"), "No such file or directory"},
        {path("plain/x.bin"), "Not a directory"},  // a file where a folder should be
        {path("held"), "The file is in use"},     {"", "No file name"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(save(c.target, "new", &error)) << c.target;
        EXPECT_EQ(error, c.reason) << c.target;
    }
    ::close(holder);
    EXPECT_EQ(read(path("held")), "held contents");
    EXPECT_EQ(read(path("plain")), "keep me");
    EXPECT_TRUE(fs::is_directory(path("folder")));
    EXPECT_EQ(entries(), (std::vector<std::string>{"folder", "held", "plain"}));
}

// A disc that fills half way through the write: the file size limit makes the
// second write fail as a full disc would. Run in a child so that the limit and the
// ignored signal stay there.
TEST_F(AtomicFile, DiscFullHalfWayKeepsTheOldFile) {
    const std::string target = path("config.bin");
    const std::string old(4000, 'o');
    write(target, old);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1000;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        const bool saved = save(target, std::string(5000, 'n'), &error);
        ::_exit(!saved && error == "File too large" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save reports the failed write";
    EXPECT_EQ(read(target), old);
    EXPECT_EQ(entries(), std::vector<std::string>{"config.bin"});
}

// A program killed at any moment of a save leaves the old file or the new one, whole.
TEST_F(AtomicFile, KilledWhileSavingNeverLeavesATornFile) {
    const std::string target = path("main.cfg");
    const std::string a(1 << 20, 'a'), b(1 << 20, 'b');
    write(target, a);
    for (int round = 0; round < 12; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) save(target, i % 2 ? a : b);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(3 + 7 * round));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = read(target);
        EXPECT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
    }
}

}  // namespace
