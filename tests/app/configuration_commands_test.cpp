#include <QLineEdit>
#include <QMessageBox>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/command_ids.h"
#include "app/data_directory.h"
#include "app/new_picture_dialog.h"
#include "params/configuration_file.h"
#include "params/parameter_blocks.h"
#include "tests/params/configuration_test_support.h"
#include "tests/support/file_answers.h"
#include "window_fixture.h"

namespace fs = std::filesystem;

namespace {

// The window with a data directory of its own, opened anew when a test has put
// the "main.vscfg" it wants there.
class ConfigurationWindow : public WindowTest {
protected:
    void SetUp() override {
        resetParameterBlocks();
        dir_ = fs::temp_directory_path() / ("vospren_window_config_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        setDataDirectory({});
        resetParameterBlocks();
        fs::remove_all(dir_);
    }

    std::string mainFile() const { return (dir_ / "main.vscfg").string(); }

    // Opens the window over the data directory; message boxes shown while it opens
    // are answered and their texts kept in `messages`.
    void reopen() {
        window.reset();
        setDataDirectory(dir_.string() + "/");
        ModalDriver boxes(
            [this](QDialog& d) {
                if (auto* box = qobject_cast<QMessageBox*>(&d)) messages.push_back(box->text().toStdString());
                d.accept();
            },
            ModalDriver::Answer::every);
        window = std::make_unique<CvosprenDlg>(library);
        window->qtInteraction().setMessageHook(
            [this](const std::string& text, const std::string&, Interaction::Icon) { messages.push_back(text); });
        window->qtInteraction().setQuestionHook([this](const std::string& text, const std::string&, Interaction::Icon) {
            questions.push_back(text);
            return answer;
        });
        window->setDialogRunner([this](QDialog& dialog) {
            if (answerDialog) return answerDialog(dialog);
            dialog.reject();
            return int(QDialog::Rejected);
        });
        chooser_.emplace(answerName([this](QWidget*, FileDialogKind, const QString& filter) {
            filters.push_back(filter.toStdString());
            return chosen;
        }));
    }

    static std::vector<uint8_t> read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir_;
    std::optional<std::string> chosen;
    std::optional<ScopedFileChooser> chooser_;
    std::vector<std::string> filters;
};

TEST_F(ConfigurationWindow, OpeningLoadsMainConfigurationAndExitSavesIt) {
    OwnConfiguration saved = distinctiveConfiguration();
    ASSERT_TRUE(saveConfiguration(mainFile(), nullptr, saved.refs()));
    reopen();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(circleParams().rayMax, 1000);
    EXPECT_EQ(paintSettings().mixToPercent, 75);
    EXPECT_EQ(tagInsertParams().insertHistory, saved.tagInsert.insertHistory);

    // Dialogs open with the loaded values.
    QString shownWidth;
    answerDialog = [&](QDialog& d) {
        shownWidth = static_cast<cdinitimg&>(d).xField()->text();
        d.reject();
        return int(QDialog::Rejected);
    };
    window->runCommand(cmd::New);
    EXPECT_EQ(shownWidth, "640");

    sharpenParams().sharpenPercent = 7;
    window->runCommand(cmd::Exit);
    EXPECT_FALSE(window->isVisible());
    saved.sharpen.sharpenPercent = 7;
    EXPECT_EQ(read(mainFile()), expectedFile(saved));
}

TEST_F(ConfigurationWindow, FirstRunAndFilesThatCannotBeUsed) {
    reopen();  // no main.vscfg yet: nothing said
    EXPECT_TRUE(messages.empty());
    window->runCommand(cmd::Exit);
    EXPECT_EQ(read(mainFile()).size(), 482u);

    std::ofstream(mainFile(), std::ios::binary) << "not a configuration";
    reopen();
    EXPECT_EQ(messages, std::vector<std::string>{"Header invalide " + mainFile()});

    // A folder where the file should be: opening passes over it, Exit says the save
    // failed and still closes.
    fs::remove(mainFile());
    fs::create_directory(mainFile());
    messages.clear();
    reopen();
    EXPECT_TRUE(messages.empty());
    window->show();
    window->close();  // confirmed: the hook answers Yes
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(messages,
              std::vector<std::string>{"Cannot save the configuration to " + mainFile() + ": Is a directory"});
}

TEST_F(ConfigurationWindow, LoadAndSaveCommands) {
    reopen();
    const std::string other = (dir_ / "other.vscfg").string();
    chosen = other;
    circleParams().rayMin = 3;
    window->runCommand(cmd::ConfigSave);
    const std::vector<uint8_t> savedBytes = read(other);
    EXPECT_EQ(savedBytes, configurationBytes(processConfiguration()));
    EXPECT_EQ(filters, std::vector<std::string>{"*.vscfg (*.vscfg)"});

    circleParams().rayMin = 99;
    window->runCommand(cmd::ConfigLoad);
    EXPECT_EQ(circleParams().rayMin, 3);

    chosen = std::nullopt;  // cancelled: nothing happens
    circleParams().rayMin = 99;
    window->runCommand(cmd::ConfigLoad);
    window->runCommand(cmd::ConfigSave);
    EXPECT_EQ(circleParams().rayMin, 99);
    EXPECT_EQ(read(other), savedBytes);

    std::vector<uint8_t> bad = read(other);
    bad[24] = 0x01;
    bad[25] = 0x01;
    std::ofstream(other, std::ios::binary).write(reinterpret_cast<const char*>(bad.data()), long(bad.size()));
    chosen = other;
    window->runCommand(cmd::ConfigLoad);
    chosen = dir_.string();
    window->runCommand(cmd::ConfigSave);
    EXPECT_EQ(messages,
              (std::vector<std::string>{"Bad version file " + other,
                                        "Cannot save the configuration to " + dir_.string() + ": Is a directory"}));
    EXPECT_EQ(circleParams().rayMin, 99);
}

TEST_F(ConfigurationWindow, ABareNameIsSavedAsAConfigurationFile) {
    reopen();
    chosen = (dir_ / "mine").string();
    window->runCommand(cmd::ConfigSave);
    EXPECT_FALSE(fs::exists(dir_ / "mine"));
    EXPECT_EQ(read((dir_ / "mine.vscfg").string()), configurationBytes(processConfiguration()));
}

}  // namespace
