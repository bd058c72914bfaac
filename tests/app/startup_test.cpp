#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

#include "app/application.h"
#include "app/data_directory.h"
#include "app/runtime_loader.h"
#include "exchange/image_library.h"

namespace {
const std::string kAvoid = "Please click 'ok' for avoiding dialog";

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Start-up with recorded message boxes and an environment of the test's choosing.
struct StartupProbe {
    std::map<std::string, std::string> env;
    std::vector<std::string> runtimeMessages;
    std::vector<std::pair<std::string, std::string>> errors;  // text, caption
    bool answerYes = false;
    bool imagesLoad = true;

    StartupContext context(std::vector<std::string> folders) {
        StartupContext c;
        c.environment = [this](const char* name) {
            auto it = env.find(name);
            return it == env.end() ? std::string() : it->second;
        };
        c.libraryFolders = std::move(folders);
        c.systemSearch = false;
        c.loadImages = [this](ImageLibrary&, std::string* error) {
            if (!imagesLoad) *error = "libpelgrast.so: cannot open shared object file";
            return imagesLoad;
        };
        c.askRuntime = [this](const std::string& text) {
            runtimeMessages.push_back(text);
            return answerYes;
        };
        c.showError = [this](const std::string& text, const std::string& caption) {
            errors.emplace_back(text, caption);
        };
        return c;
    }
};
}  // namespace

TEST(RuntimeLoader, BindsTheRealLibraryAndFillsTheRoot) {
    RuntimeBinding binding;
    RuntimeMessages messages([](const std::string&) { return false; });
    ASSERT_TRUE(loadRuntimeLibrary(binding, {"/nonexistent", VOSPREN_TEST_RUNTIME_DIR}, false, true, messages));
    EXPECT_NE(binding.handle, nullptr);
    EXPECT_EQ(binding.root.size, (1 + 17) * sizeof(void*));
    ASSERT_NE(binding.root.runtimeVersion, nullptr);
    EXPECT_EQ(binding.root.runtimeVersion(), 65537u);
    // Loaded once: a second call keeps the binding.
    RuntimeRoot before = binding.root;
    EXPECT_TRUE(loadRuntimeLibrary(binding, {}, false, true, messages));
    EXPECT_EQ(binding.root.runtimeVersion, before.runtimeVersion);
}

TEST(RuntimeLoader, EachFailureShowsItsMessage) {
    const std::string noHH = std::string(VOSPREN_TEST_NO_HH_DIR) + "/libTolvanea.Runtime.so";
    const std::string failing = std::string(VOSPREN_TEST_FAILING_HH_DIR) + "/libTolvanea.Runtime.so";
    QTemporaryDir broken;
    {
        QFile junk(broken.filePath("libTolvanea.Runtime.so"));
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write("this is no shared object");
    }
    const std::string brokenPath = broken.filePath("libTolvanea.Runtime.so").toStdString();
    QTemporaryDir empty;

    std::vector<std::string> shown;
    RuntimeMessages messages([&](const std::string& text) {
        shown.push_back(text);
        return false;
    });
    RuntimeBinding binding;
    EXPECT_FALSE(loadRuntimeLibrary(binding, {empty.path().toStdString()}, false, true, messages));
    EXPECT_FALSE(loadRuntimeLibrary(binding, {empty.path().toStdString()}, false, false, messages));
    EXPECT_FALSE(loadRuntimeLibrary(binding, {VOSPREN_TEST_NO_HH_DIR}, false, true, messages));
    EXPECT_FALSE(loadRuntimeLibrary(binding, {VOSPREN_TEST_FAILING_HH_DIR}, false, true, messages));
    EXPECT_FALSE(loadRuntimeLibrary(binding, {broken.path().toStdString()}, false, true, messages));
    EXPECT_EQ(binding.handle, nullptr);

    ASSERT_EQ(shown.size(), 4u);  // the missing file is reported only when asked to
    EXPECT_EQ(shown[0], "The file 'libTolvanea.Runtime.so' is required for good function application\n" + kAvoid);
    EXPECT_EQ(shown[1].rfind("The library '" + noHH + "' is not Tolvanea library\nError code : '", 0), 0u) << shown[1];
    EXPECT_NE(shown[1].find("HH"), std::string::npos) << "the loader's reason names the missing entry point";
    EXPECT_TRUE(endsWith(shown[1], "'\n" + kAvoid));
    EXPECT_EQ(shown[2], "The library '" + failing + "' has failed initialization\nError code : '0'\n" + kAvoid);
    EXPECT_EQ(shown[3].rfind("The loading library '" + brokenPath + "' has failed with error code : '", 0), 0u)
        << shown[3];
    EXPECT_TRUE(endsWith(shown[3], "'is required for good function application\n" + kAvoid)) << shown[3];
}

TEST(RuntimeMessages, YesSuppressesLaterMessagesNoDoesNot) {
    std::vector<bool> answers{false, true, false};
    size_t asked = 0;
    RuntimeMessages messages([&](const std::string&) { return answers[asked++]; });
    messages.show("one");
    messages.show("two");
    EXPECT_TRUE(messages.suppressed());
    messages.show("three");
    EXPECT_EQ(asked, 2u);
}

TEST(Startup, EndsWithoutWindowWhenTheRuntimeIsMissing) {
    QTemporaryDir empty;
    StartupProbe probe;
    probe.env["KorvintePicture"] = empty.path().toStdString();
    StartupContext context = probe.context({empty.path().toStdString()});
    RuntimeBinding binding;
    ImageLibrary images;
    EXPECT_FALSE(prepareStartup(context, binding, images));
    ASSERT_EQ(probe.runtimeMessages.size(), 1u);
    EXPECT_EQ(probe.runtimeMessages[0],
              "The file 'libTolvanea.Runtime.so' is required for good function application\n" + kAvoid);
    EXPECT_TRUE(probe.errors.empty()) << "nothing after the runtime failure runs";
}

TEST(Startup, SettlesTheDataDirectoryAndGoesOnWithoutImageLibrary) {
    QTemporaryDir base;
    StartupProbe probe;
    probe.env["KorvintePicture"] = base.path().toStdString();
    probe.env["APPDATA"] = "/should/not/be/used";
    probe.imagesLoad = false;
    StartupContext context = probe.context({VOSPREN_TEST_RUNTIME_DIR});
    RuntimeBinding binding;
    ImageLibrary images;
    ASSERT_TRUE(prepareStartup(context, binding, images));
    EXPECT_EQ(dataDirectory(), base.path().toStdString() + "/Tolvanea/KorvintePicture/");
    EXPECT_TRUE(QDir(base.filePath("Tolvanea/KorvintePicture")).exists());
    ASSERT_EQ(probe.errors.size(), 1u);
    EXPECT_EQ(
        probe.errors[0].first,
        "Failure loading library import/export picture with error:libpelgrast.so: cannot open shared object file");
    EXPECT_EQ(probe.errors[0].second, "Export/Import");
}

TEST(Startup, NoBaseFolderIsReportedAndLeavesTheDataDirectoryEmpty) {
    StartupProbe probe;  // nothing set, not even HOME
    StartupContext context = probe.context({VOSPREN_TEST_RUNTIME_DIR});
    RuntimeBinding binding;
    ImageLibrary images;
    ASSERT_TRUE(prepareStartup(context, binding, images));
    EXPECT_EQ(dataDirectory(), "");
    ASSERT_EQ(probe.errors.size(), 1u);
    EXPECT_EQ(probe.errors[0].first, "Please specify directory in 'KorvintePicture' environment");
}

TEST(DataDirectory, EnvironmentOrderAndStandIns) {
    std::map<std::string, std::string> env;
    auto lookup = [&](const char* name) {
        auto it = env.find(name);
        return it == env.end() ? std::string() : it->second;
    };
    env["HOME"] = "/home/u";
    EXPECT_EQ(dataDirectoryBase(lookup), "/home/u/.config");
    env["XDG_CONFIG_HOME"] = "/xdg";
    EXPECT_EQ(dataDirectoryBase(lookup), "/xdg");
    env["LOCALAPPDATA"] = "/local";
    EXPECT_EQ(dataDirectoryBase(lookup), "/local");
    env["APPDATA"] = "/roaming";
    EXPECT_EQ(dataDirectoryBase(lookup), "/roaming");
    env["KorvintePicture"] = "";  // empty counts as absent
    EXPECT_EQ(dataDirectoryBase(lookup), "/roaming");
    env["KorvintePicture"] = "/mine";
    EXPECT_EQ(dataDirectoryBase(lookup), "/mine");
    env.clear();
    env["XDG_DATA_HOME"] = "/data";
    EXPECT_EQ(dataDirectoryBase(lookup), "/data");
}

TEST(DataDirectory, CreatesBothLevelsAndAcceptsExistingOnes) {
    QTemporaryDir base;
    const std::string first = makeDataDirectory(base.path().toStdString() + "/");
    EXPECT_EQ(first, base.path().toStdString() + "/Tolvanea/KorvintePicture/");
    EXPECT_EQ(makeDataDirectory(base.path().toStdString()), first);
    EXPECT_TRUE(QDir(QString::fromStdString(first)).exists());
    EXPECT_EQ(makeDataDirectory(""), "");
    // A stand-in such as $HOME/.config may not exist yet on a fresh account.
    const std::string fresh = makeDataDirectory(base.path().toStdString() + "/home/.config");
    EXPECT_TRUE(QDir(QString::fromStdString(fresh)).exists());
}
