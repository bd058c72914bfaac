#include "app/main_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
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
#include "app/status_texts.h"
#include "app/window_placement.h"
#include "command/command_texts.h"
#include "core/paint_settings.h"
#include "exchange/image_library.h"
#include "exchange/ui/dialog_filter.h"
#include "exchange/ui/dropped_files.h"
#include "exchange/ui/file_commands.h"
#include "params/configuration_file.h"

namespace {
constexpr const char* kConfirmExit = "Confirm exit ?";
constexpr const char* kConfigurationFilter = "*.vscfg|*.vscfg|";
}  // namespace

CvosprenDlg::CvosprenDlg(const ImageLibrary& imageLib, QWidget* parent)
    : QMainWindow(parent), imageLib_(imageLib), interaction_(std::make_unique<QtInteraction>(this)) {
    paintSettings().blendColor = 0x00FFFFFF;
    dialogRunner_ = [](QDialog& d) { return d.exec(); };
    fileChooser_ = runStandardFileDialog;

    view_ = new PictureView(this);
    setCentralWidget(view_);
    connect(view_, &PictureView::resized, this, [this] { layoutControls(); });
    connect(view_, &PictureView::zoomStepRequested, this,
            [this](int step) { runCommand(step > 0 ? cmd::ZoomIn : cmd::ZoomOut); });
    pictureStatus_ = new QLabel(this);
    pictureStatus_->setObjectName("pictureStatus");
    statusBar()->addPermanentWidget(pictureStatus_);
    setAcceptDrops(true);
    setWindowIcon(appIcon());
    setWindowTitle(buildTitle());

    createCommands();
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
    OperationScope scope(*interaction_);
    row->handler();
    return true;
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
    // The bars follow the new size so that the whole picture can be reached.
    layoutControls();
}

void CvosprenDlg::saveUndoSnapshot() {
    undo_.reset();
    if (current_) undo_ = copyPicture(current_.get());
}

void CvosprenDlg::refreshView() {
    pictureStatus_->setText(current_ ? pictureStatusText(current_->width, current_->height, zoom_) : QString());
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
    // Zoom first, so that the new picture is shown at the zoom it is said to have.
    zoom_ = 1;
    refreshView();
    view_->setScroll(0, 0);
    layoutControls();
}

void CvosprenDlg::undo() {
    if (!current_) return;
    current_.reset();
    if (undo_) current_ = copyPicture(undo_.get());
    layoutControls();
    refreshView();
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
    OperationScope scope(*interaction_);
    const ImportOutcome outcome = importAndShow(*this, imageLib_, path);
    reportImport(outcome);
    return outcome.result == ImportOutcome::Result::Loaded;
}

void CvosprenDlg::reportImport(const ImportOutcome& outcome) {
    if (outcome.result == ImportOutcome::Result::Unreadable) statusBar()->showMessage(cannotReadText(outcome.path));
    if (outcome.result == ImportOutcome::Result::Loaded) statusBar()->clearMessage();
}

// "Load ..." and "Save ..." of the Configuration menu. The loaded values take
// effect the next time each is used; nothing is redrawn.
void CvosprenDlg::loadConfigurationCommand() {
    const std::optional<std::string> path =
        fileChooser_(this, FileDialogKind::Open, qtFileFilter(kConfigurationFilter));
    if (path) loadConfigurationGuarded(*path, *path, *interaction_);
}

void CvosprenDlg::saveConfigurationCommand() {
    const std::optional<std::string> path =
        fileChooser_(this, FileDialogKind::Save, qtFileFilter(kConfigurationFilter));
    if (path) saveConfigurationTo(*path);
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

void CvosprenDlg::exitProgram() {
    storeWindowPlacement(currentPlacement());
    saveMainConfiguration();
    exiting_ = true;
    close();
}

void CvosprenDlg::closeEvent(QCloseEvent* event) {
    if (exiting_) {
        event->accept();
        return;
    }
    // A running operation cannot be left half way; the question waits for its end.
    if (interaction_->operationRunning() ||
        !interaction_->askYesNo(kConfirmExit, kMainCaption, Interaction::Icon::Warning)) {
        event->ignore();
        return;
    }
    storeWindowPlacement(currentPlacement());
    saveMainConfiguration();
    exiting_ = true;
    event->accept();
}

void CvosprenDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (carriesFiles(event->mimeData())) event->acceptProposedAction();
}

void CvosprenDlg::dropEvent(QDropEvent* event) {
    if (!carriesFiles(event->mimeData()) || interaction_->operationRunning()) return;
    const QList<QUrl> urls = event->mimeData()->urls();
    {
        OperationScope scope(*interaction_);
        reportImport(importDroppedFiles(*this, imageLib_, urls));
    }
    event->acceptProposedAction();
}
