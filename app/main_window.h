#pragma once

#include <QMainWindow>
#include <QMap>
#include <QRect>

#include <functional>
#include <memory>
#include <string>

#include "app/main_menu.h"
#include "app/qt_interaction.h"
#include "command/undo_history.h"
#include "ui/picture_host.h"

class CDConfig;
class PictureView;
class QAction;
class QDialog;
class QLabel;
class QMenu;
class RecoveryKeeper;
struct ImportOutcome;
class cdinitimg;
class cfaboutbox;
struct ImageLibrary;

// The program's one top-level window: the menu, the view of the current picture
// with its zoom-out factor and scroll bars, the undo history, the picture's file
// and its modified mark, and the dispatch of every command by its id.
//
// The modified mark: every change takes an undo snapshot first (saveUndoSnapshot,
// which the command runner calls), and that sets the mark; an import from a file,
// a save and an export of the whole picture clear it. The title then reads
// "name.png[*] - KorvintePicture Version ..." ("Untitled" for a picture from no
// file; the Part's title alone without a picture).
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
    void showStatus(const std::string& text) override;

    // Stores the placement and closes; with unsaved changes it asks Save / Discard /
    // Cancel first.
    void exitProgram();

    // Opens a picture file as "File", "Import", "File ..." does (a file named on the
    // command line, "Open Recent"); one it cannot read is named in the status bar.
    bool openPictureFile(const std::string& path);

    // Whether the picture has changes that are in no file.
    bool pictureModified() const { return modified_; }
    // The file the picture was last imported from or saved to; empty for none.
    const std::string& pictureFile() const { return pictureFile_; }
    // Takes the keeper of the recovery file: from now on every change of the picture
    // is kept there until it is saved, and the window's end (a clean exit) removes it.
    void keepRecovery(std::unique_ptr<RecoveryKeeper> keeper);
    RecoveryKeeper* recovery() const { return recovery_.get(); }

    QtInteraction& qtInteraction() { return *interaction_; }
    // The newest undo step's picture (null for none or for the snapshot of no picture).
    const Picture* undoSnapshot() const { return history_.latest(); }
    const UndoHistory& undoHistory() const { return history_; }
    int zoom() const { return zoom_; }
    PictureView* view() const { return view_; }
    QAction* action(int id) const { return actions_.value(id); }
    QList<int> commandIds() const { return actions_.keys(); }
    QMenu* recentMenu() const { return recentMenu_; }
    // The data directory's "main.vscfg", or empty without a data directory.
    const std::string& configurationPath() const { return configurationPath_; }

    // Seams for tests: how the window's own dialogs run (default: exec()), how the
    // file commands ask for names (default: Qt's file dialogs, PNG first) and how
    // "Save As ..." asks (default: a dialog whose chosen filter supplies a missing
    // extension).
    using DialogRunner = std::function<int(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { dialogRunner_ = std::move(runner); }

    // The single dialog instances, made on first use.
    cdinitimg& newPictureDialog();
    CDConfig& configurationDialog();

signals:
    // Where the crash recovery hooks in. Each is emitted once per command, import or
    // drop, after it ended:
    // the picture changed and its changes are in no file (the mark is set);
    void pictureChanged();
    // the picture is as in its file now, or there is none to lose (import, save,
    // export of the whole picture, New);
    void pictureClean();
    // the window closes for good: the user saved, discarded, or had nothing unsaved.
    void cleanExit();

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
    void redo();
    bool save();
    bool saveAs();
    bool writePicture(const std::string& path);
    void exportFile();
    void importClipboard(void (*command)(PictureHost&));
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

    // The modified mark, the title and the signals.
    void markClean(const std::string& file);
    void updateTitle();
    void afterChanges(uint64_t changesBefore);
    void refreshRecentMenu();
    // Save / Discard / Cancel when there are unsaved changes; true when the window may close.
    bool mayClose();
    void finishExit();

    const ImageLibrary& imageLib_;
    std::unique_ptr<QtInteraction> interaction_;
    PictureView* view_;
    QLabel* pictureStatus_;
    QLabel* levelStatus_;
    QMenu* recentMenu_ = nullptr;
    PicturePtr current_;
    UndoHistory history_;
    QString runningCommand_;  // the name undo steps get
    std::string pictureFile_;
    bool modified_ = false;
    uint64_t changes_ = 0;  // counts snapshots, undos and redos
    bool closeAfterRun_ = false;
    int zoom_ = 1;
    bool exiting_ = false;
    std::string configurationPath_;
    QMap<int, QAction*> actions_;
    std::vector<CommandRow> commands_;
    DialogRunner dialogRunner_;
    cdinitimg* newDialog_ = nullptr;
    CDConfig* configDialog_ = nullptr;
    cfaboutbox* aboutBox_ = nullptr;
    std::unique_ptr<RecoveryKeeper> recovery_;
};
