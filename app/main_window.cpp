#include "app/main_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

#include "app/app_icon.h"
#include "app/build_stamp.h"
#include "app/command_ids.h"
#include "app/configuration_dialog.h"
#include "app/data_directory.h"
#include "app/display_image.h"
#include "app/escape_information.h"
#include "app/new_picture_dialog.h"
#include "app/picture_view.h"
#include "app/recent_files.h"
#include "app/recovery_keeper.h"
#include "app/status_texts.h"
#include "app/window_placement.h"
#include "command/command_texts.h"
#include "core/paint_settings.h"
#include "exchange/image_library.h"
#include "exchange/picture_file.h"
#include "exchange/ui/dropped_files.h"
#include "exchange/ui/file_commands.h"
#include "exchange/ui/file_dialogs.h"
#include "exchange/ui/qt_file_filter.h"
#include "params/configuration_file.h"
#include "storage/file_name.h"
#include "ui/file_chooser.h"
#include "ui/program_settings.h"

namespace {
constexpr const char* kConfirmExit = "Confirm exit ?";
constexpr const char* kConfigurationFilter = "*.vscfg|*.vscfg|";

// The undo history's bounds from the program's own settings.
UndoLimits undoLimits() {
    const QSettings settings(kSettingsOrganization, kSettingsApplication);
    UndoLimits limits;
    const int steps = settings.value(kUndoStepsKey, int(limits.steps)).toInt();
    const qlonglong megabytes = settings.value(kUndoMegabytesKey, qlonglong(limits.bytes >> 20)).toLongLong();
    if (steps > 0) limits.steps = size_t(steps);
    if (megabytes > 0) limits.bytes = uint64_t(megabytes) << 20;
    return limits;
}
}  // namespace

CvosprenDlg::CvosprenDlg(const ImageLibrary& imageLib, QWidget* parent)
    : QMainWindow(parent), imageLib_(imageLib), interaction_(std::make_unique<QtInteraction>(this)) {
    paintSettings().blendColor = 0x00FFFFFF;
    dialogRunner_ = [](QDialog& d) { return d.exec(); };
    history_.setLimits(undoLimits());

    view_ = new PictureView(this);
    setCentralWidget(view_);
    connect(view_, &PictureView::resized, this, [this] { layoutControls(); });
    connect(view_, &PictureView::zoomStepRequested, this,
            [this](int step) { runCommand(step > 0 ? cmd::ZoomIn : cmd::ZoomOut); });
    pictureStatus_ = new QLabel(this);
    pictureStatus_->setObjectName("pictureStatus");
    levelStatus_ = new QLabel(this);
    levelStatus_->setObjectName("levelStatus");
    statusBar()->addPermanentWidget(levelStatus_);
    statusBar()->addPermanentWidget(pictureStatus_);
    setAcceptDrops(true);
    setWindowIcon(appIcon());
    setWindowTitle(buildTitle());

    createCommands();
    refreshRecentMenu();
    interaction_->setProgressSink([this](int64_t done) { showProgress(done); });

    if (!dataDirectory().empty()) configurationPath_ = dataDirectory() + "main.vscfg";
    // A missing file is a first run; a bad one is reported (without a path, as
    // the window names no file of its own).
    if (!configurationPath_.empty()) loadConfigurationGuarded(configurationPath_, "", *interaction_);
    applyPlacement(readWindowPlacement());
    layoutControls();
}

CvosprenDlg::~CvosprenDlg() = default;

bool CvosprenDlg::runCommand(int id) {
    const CommandRow* row = commandRow(id);
    if (!row || interaction_->operationRunning()) return false;
    statusBar()->clearMessage();
    closeAfterRun_ = false;
    const uint64_t changesBefore = changes_;
    runningCommand_ = commandName(row->path);
    {
        OperationScope scope(*interaction_);
        row->handler();
    }
    runningCommand_.clear();
    afterChanges(changesBefore);
    // The window was closed during the run and "Interrompre ?" was answered Yes.
    if (closeAfterRun_) {
        closeAfterRun_ = false;
        close();
    }
    return true;
}

void CvosprenDlg::afterChanges(uint64_t changesBefore) {
    updateTitle();
    if (changes_ != changesBefore && modified_) emit pictureChanged();
}

void CvosprenDlg::markClean(const std::string& file) {
    pictureFile_ = file;
    modified_ = false;
    if (recovery_) recovery_->pictureSaved();
    if (!file.empty()) {
        addRecentFile(pathToQt(file));
        refreshRecentMenu();
    }
    updateTitle();
    emit pictureClean();
}

void CvosprenDlg::updateTitle() {
    if (!current_) {
        setWindowModified(false);
        setWindowTitle(buildTitle());
        return;
    }
    const QString name =
        pictureFile_.empty() ? QStringLiteral("Untitled") : QFileInfo(pathToQt(pictureFile_)).fileName();
    setWindowTitle(name + "[*] - " + buildTitle());
    setWindowModified(modified_);
}

void CvosprenDlg::showStatus(const std::string& text) {
    statusBar()->showMessage(QString::fromLocal8Bit(text.c_str()));
}

void CvosprenDlg::refreshRecentMenu() {
    if (!recentMenu_) return;
    recentMenu_->clear();
    const QStringList files = recentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        // Access keys 1 to 9, then 0 for the tenth.
        QAction* a = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(QString(files[i]).replace('&', QLatin1String("&&"))));
        const std::string path = pathFromQt(files[i]);
        // Queued: opening rebuilds this menu, which must not happen inside the item's own signal.
        connect(
            a, &QAction::triggered, this, [this, path] { openPictureFile(path); }, Qt::QueuedConnection);
    }
    recentMenu_->setEnabled(!files.isEmpty());
}

const CommandRow* CvosprenDlg::commandRow(int id) const {
    if (id == 0) return nullptr;
    for (const CommandRow& row : commands_)
        if (row.id == id) return &row;
    return nullptr;
}

int CvosprenDlg::runDialog(QDialog& dialog) { return dialogRunner_(dialog); }

cdinitimg& CvosprenDlg::newPictureDialog() {
    if (!newDialog_) newDialog_ = new cdinitimg(this);
    return *newDialog_;
}

void CvosprenDlg::runConfigurationDialog() {
    runConfigurationCommand(configurationDialog(), [this](QDialog& d) { return runDialog(d); });
}

CDConfig& CvosprenDlg::configurationDialog() {
    if (!configDialog_) configDialog_ = new CDConfig(this);
    return *configDialog_;
}

void CvosprenDlg::replacePicture(PicturePtr picture) {
    current_ = std::move(picture);
    if (recovery_) recovery_->pictureChanged();
    // The bars follow the new size so that the whole picture can be reached.
    layoutControls();
}

// Every change of the picture comes through here first: the one place the
// modified mark is set.
void CvosprenDlg::saveUndoSnapshot() {
    history_.record(current_.get(), runningCommand_.toStdString());
    modified_ = true;
    ++changes_;
}

void CvosprenDlg::refreshView() {
    // Every change of the picture ends with a refresh: the recovery file follows it.
    if (recovery_) recovery_->pictureChanged();
    pictureStatus_->setText(current_ ? pictureStatusText(current_->width, current_->height, zoom_) : QString());
    levelStatus_->setText(levelStatusText(paintSettings().blendLevel));
    updateTitle();
    if (!current_ || current_->width <= 0 || current_->height <= 0) {
        view_->setDisplayImage(QImage());
        return;
    }
    QImage image(displayWidth(current_->width), current_->height, QImage::Format_RGB32);
    if (image.isNull()) {
        view_->setDisplayImage(QImage());
        return;
    }
    buildDisplayImage(*current_, zoom_, paintSettings().connectable != 0, image.bits(), size_t(image.bytesPerLine()));
    view_->setDisplayImage(std::move(image), zoom_);
    view_->repaint();
}

void CvosprenDlg::keepRecovery(std::unique_ptr<RecoveryKeeper> keeper) {
    recovery_ = std::move(keeper);
    if (!recovery_) return;
    recovery_->setSource([this]() -> const Picture* { return current_.get(); },
                         [this] { return interaction_->operationRunning(); });
}

void CvosprenDlg::resetView() {
    zoom_ = 1;
    view_->setScroll(0, 0);
    layoutControls();
}

void CvosprenDlg::showEscapeInformation() {
    ::showEscapeInformation(this, [this](QDialog& d) { return runDialog(d); });
}

void CvosprenDlg::layoutControls() {
    if (current_) {
        const QSize size(current_->width, current_->height);
        view_->layoutControls(&size);
    } else {
        view_->layoutControls(nullptr);
    }
}

void CvosprenDlg::newPicture() {
    cdinitimg& dialog = newPictureDialog();
    dialog.loadControls();
    runDialog(dialog);
    if (!dialog.endedWithOk()) return;
    const NewPictureParams& p = newPictureParams();
    if (!checkPictureSize(p.pictureWidth, p.pictureHeight)) return;
    PicturePtr picture = createPicture(p.pictureWidth, p.pictureHeight, 0);
    if (!picture) {
        // Keep the current picture rather than lose it to a size that cannot be made.
        reportNoMemoryForPicture(*interaction_, p.pictureWidth, p.pictureHeight);
        return;
    }
    current_ = std::move(picture);
    // A blank picture from no file: nothing to lose yet, and nothing left to redo.
    history_.dropRedo();
    markClean({});
    // Zoom first, so that the new picture is shown at the zoom it is said to have.
    zoom_ = 1;
    refreshView();
    view_->setScroll(0, 0);
    layoutControls();
}

void CvosprenDlg::undo() {
    if (!current_) return;
    UndoHistory::Move back = history_.undo(std::move(current_));
    current_ = std::move(back.picture);
    modified_ = true;
    ++changes_;
    layoutControls();
    refreshView();
    statusBar()->showMessage(undoneText(QString::fromStdString(back.what)));
}

void CvosprenDlg::redo() {
    if (!history_.canRedo()) {
        statusBar()->showMessage(kNothingToRedo);
        return;
    }
    UndoHistory::Move forward = history_.redo(std::move(current_));
    current_ = std::move(forward.picture);
    modified_ = true;
    ++changes_;
    layoutControls();
    refreshView();
    statusBar()->showMessage(redoneText(QString::fromStdString(forward.what)));
}

// "Save": the picture's file again, without asking; "Save As ..." without one.
bool CvosprenDlg::save() {
    if (!requirePicture()) return false;
    return pictureFile_.empty() ? saveAs() : writePicture(pictureFile_);
}

bool CvosprenDlg::saveAs() {
    if (!requirePicture()) return false;
    std::optional<std::string> name =
        chooseFile(this, {FileDialogKind::Save, pngFirst(pictureSaveFilter(imageLib_)), runSaveAsDialog});
    if (!name) return false;
    // The dialog's filter supplies a missing extension; a name that still has none is PNG.
    if (!hasFileExtension(*name)) *name += ".png";
    return writePicture(*name);
}

bool CvosprenDlg::writePicture(const std::string& path) {
    std::string reason;
    if (!writePictureFileWaiting(imageLib_, *current_, path, &reason)) {
        const QString text = cannotSaveText(path, reason);
        statusBar()->showMessage(text);
        interaction_->showMessage(text.toStdString(), kMainCaption, Interaction::Icon::Error);
        return false;
    }
    markClean(path);
    statusBar()->showMessage(savedText(path));
    return true;
}

// An export of the whole picture to a file leaves nothing unsaved.
void CvosprenDlg::exportFile() {
    if (const std::optional<std::string> path = runExportFileCommand(*this, imageLib_)) markClean(*path);
}

// A picture from the clipboard is in no file.
void CvosprenDlg::importClipboard(void (*command)(PictureHost&)) {
    const Picture* before = current_.get();
    command(*this);
    if (current_.get() != before) pictureFile_.clear();
}

void CvosprenDlg::setZoom(int zoom) {
    zoom_ = zoom;
    refreshView();
}

void CvosprenDlg::showProgress(int64_t done) {
    refreshView();
    statusBar()->showMessage(progressText(done, interaction_->pass()));
    statusBar()->repaint();
}

// The stored rectangle starts at the window's outer corner, title bar included, so
// that the title bar stays on screen; its size is the inside of the window, which
// does not depend on the decorations of the window manager in use.
QRect CvosprenDlg::currentPlacement() const { return QRect(frameGeometry().topLeft(), size()); }

void CvosprenDlg::applyPlacement(const QRect& placement) {
    // On a small or highly scaled screen a stored (or the default) size can exceed
    // what is available: the window is fitted into the screen it would open on.
    const QScreen* screen = QGuiApplication::screenAt(placement.topLeft());
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect fitted =
        screen ? fitPlacement(placement, screen->availableGeometry(), expectedFrame(*this)) : placement;
    move(fitted.topLeft());  // a top-level window's position includes its frame
    resize(fitted.size());
}

bool CvosprenDlg::openPictureFile(const std::string& path) {
    if (interaction_->operationRunning()) return false;
    const uint64_t changesBefore = changes_;
    ImportOutcome outcome;
    {
        OperationScope scope(*interaction_);
        outcome = importAndShow(*this, imageLib_, path);
        reportImport(outcome);
    }
    afterChanges(changesBefore);
    return outcome.result == ImportOutcome::Result::Loaded;
}

void CvosprenDlg::reportImport(const ImportOutcome& outcome) {
    if (outcome.result == ImportOutcome::Result::Unreadable) statusBar()->showMessage(cannotReadText(outcome.path));
    if (outcome.result == ImportOutcome::Result::Loaded) {
        statusBar()->clearMessage();
        if (outcome.flattened) statusBar()->showMessage(flattenedText(outcome.path));
        markClean(outcome.path);
    }
}

// "Load ..." and "Save ..." of the Configuration menu. The loaded values take
// effect the next time each is used; nothing is redrawn.
void CvosprenDlg::loadConfigurationCommand() {
    const std::optional<std::string> path =
        chooseFile(this, {FileDialogKind::Open, qtFileFilter(kConfigurationFilter), runWindowFileDialog});
    if (path) loadConfigurationGuarded(*path, *path, *interaction_);
}

void CvosprenDlg::saveConfigurationCommand() {
    const std::optional<std::string> path =
        chooseFile(this, {FileDialogKind::Save, qtFileFilter(kConfigurationFilter), runWindowFileDialog});
    // A name typed without an extension is a configuration file all the same.
    if (path) saveConfigurationTo(withDefaultExtension(*path, ".vscfg"));
}

bool CvosprenDlg::saveConfigurationTo(const std::string& path) {
    std::string error;
    if (saveConfiguration(path, &error)) return true;
    interaction_->showMessage(configurationSaveError(path, error), kMainCaption, Interaction::Icon::Error);
    return false;
}

// On the way out: a failed save is said, and the window still closes.
void CvosprenDlg::saveMainConfiguration() {
    if (!configurationPath_.empty()) saveConfigurationTo(configurationPath_);
}

// With unsaved changes: Save / Discard / Cancel. Save that does not end in a file
// (cancelled, failed) keeps the window open.
bool CvosprenDlg::mayClose() {
    if (!modified_ || !current_) return true;
    const QString name =
        pictureFile_.empty() ? QStringLiteral("Untitled") : QFileInfo(pathToQt(pictureFile_)).fileName();
    QMessageBox box(QMessageBox::Warning, kMainCaption,
                    QStringLiteral("The picture %1 has changes that are not saved.").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setInformativeText("Save them before leaving?");
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    runDialog(box);
    // A box closed from outside, with no button chosen, lets the exit go on as the
    // closing did before there was a question.
    QAbstractButton* clicked = box.clickedButton();
    const QMessageBox::StandardButton answer = clicked ? box.standardButton(clicked) : QMessageBox::Discard;
    if (answer == QMessageBox::Save) return save();
    return answer == QMessageBox::Discard;
}

void CvosprenDlg::finishExit() {
    storeWindowPlacement(currentPlacement());
    saveMainConfiguration();
    exiting_ = true;
    emit cleanExit();
}

void CvosprenDlg::exitProgram() {
    if (!mayClose()) return;
    finishExit();
    close();
}

void CvosprenDlg::closeEvent(QCloseEvent* event) {
    if (exiting_) {
        event->accept();
        return;
    }
    event->ignore();
    // During a run the close box asks as Escape does; Yes stops the run, and the
    // closing goes on once the command has returned.
    if (interaction_->operationRunning()) {
        if (!closeAfterRun_ && interaction_->askYesNo(kInterruptQuestion, kMainCaption, Interaction::Icon::Warning)) {
            closeAfterRun_ = true;
            interaction_->requestStop();
        }
        return;
    }
    if (modified_ && current_) {
        if (!mayClose()) return;
    } else if (!interaction_->askYesNo(kConfirmExit, kMainCaption, Interaction::Icon::Warning)) {
        return;
    }
    finishExit();
    event->accept();
}

void CvosprenDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (carriesFiles(event->mimeData())) event->acceptProposedAction();
}

void CvosprenDlg::dropEvent(QDropEvent* event) {
    if (!carriesFiles(event->mimeData()) || interaction_->operationRunning()) return;
    const QList<QUrl> urls = event->mimeData()->urls();
    const uint64_t changesBefore = changes_;
    {
        OperationScope scope(*interaction_);
        reportImport(importDroppedFiles(*this, imageLib_, urls));
    }
    afterChanges(changesBefore);
    event->acceptProposedAction();
}
