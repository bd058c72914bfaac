#pragma once

#include <QMainWindow>
#include <QMap>
#include <QRect>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/main_menu.h"
#include "app/qt_interaction.h"
#include "exchange/ui/file_dialogs.h"
#include "ui/picture_host.h"

class CDConfig;
class PictureView;
class QAction;
class QDialog;
class QLabel;
struct ImportOutcome;
class cdinitimg;
class cfaboutbox;
struct ImageLibrary;

// The program's one top-level window: the menu, the view of the current picture
// with its zoom-out factor and scroll bars, the undo snapshot, and the dispatch of
// every command by its id.
class CvosprenDlg : public QMainWindow, public PictureHost {
    Q_OBJECT
public:
    // `imageLib` is the image library the file commands use (it may be unloaded).
    explicit CvosprenDlg(const ImageLibrary& imageLib, QWidget* parent = nullptr);
    ~CvosprenDlg() override;

    // Runs the command with this id as the menu would. False for an unknown id or
    // while another command is still running.
    bool runCommand(int id);
    // The command table's row of this id, or null.
    const CommandRow* commandRow(int id) const;

    // PictureHost
    Picture* currentPicture() override { return current_.get(); }
    void replacePicture(PicturePtr picture) override;
    void saveUndoSnapshot() override;
    void refreshView() override;
    void resetView() override;
    void showEscapeInformation() override;
    Interaction& interaction() override { return *interaction_; }
    QWidget* dialogParent() override { return this; }
    void runConfigurationDialog() override;

    // Stores the placement and closes without asking.
    void exitProgram();

    // Opens a picture file as "File", "Import", "File ..." does (a file named on the
    // command line); one it cannot read is named in the status bar.
    bool openPictureFile(const std::string& path);

    QtInteraction& qtInteraction() { return *interaction_; }
    const Picture* undoSnapshot() const { return undo_.get(); }
    int zoom() const { return zoom_; }
    PictureView* view() const { return view_; }
    QAction* action(int id) const { return actions_.value(id); }
    QList<int> commandIds() const { return actions_.keys(); }
    // The data directory's "main.vscfg", or empty without a data directory.
    const std::string& configurationPath() const { return configurationPath_; }

    // Seams for tests: how the window's own dialogs run (default: exec()), and how
    // the file commands ask for names (default: Qt's file dialogs).
    using DialogRunner = std::function<int(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { dialogRunner_ = std::move(runner); }
    void setFileNameChooser(FileNameChooser chooser) { fileChooser_ = std::move(chooser); }

    // The single dialog instances, made on first use.
    cdinitimg& newPictureDialog();
    CDConfig& configurationDialog();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The command table (app/command_table.cpp): fills commands_, builds the menus.
    void createCommands();
    void layoutControls();
    void newPicture();
    void undo();
    void setZoom(int zoom);
    void loadConfigurationCommand();
    void saveConfigurationCommand();
    bool saveConfigurationTo(const std::string& path);
    void saveMainConfiguration();
    void showProgress(int64_t done);
    void reportImport(const ImportOutcome& outcome);
    int runDialog(QDialog& dialog);
    QRect currentPlacement() const;
    void applyPlacement(const QRect& placement);

    const ImageLibrary& imageLib_;
    std::unique_ptr<QtInteraction> interaction_;
    PictureView* view_;
    QLabel* pictureStatus_;
    PicturePtr current_;
    PicturePtr undo_;
    int zoom_ = 1;
    bool exiting_ = false;
    std::string configurationPath_;
    QMap<int, QAction*> actions_;
    std::vector<CommandRow> commands_;
    DialogRunner dialogRunner_;
    FileNameChooser fileChooser_;
    cdinitimg* newDialog_ = nullptr;
    CDConfig* configDialog_ = nullptr;
    cfaboutbox* aboutBox_ = nullptr;
};
