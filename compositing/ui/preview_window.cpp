#include "compositing/ui/preview_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "compositing/preview_geometry.h"
#include "compositing/tag_insert_inputs.h"
#include "compositing/tag_insertion.h"
#include "compositing/tag_overlay.h"
#include "compositing/ui/preview_area.h"
#include "compositing/ui/tag_insert_dialog.h"
#include "core/paint_settings.h"
#include "params/parameter_blocks.h"
#include "ui/picture_host.h"
#include "ui/view_wheel.h"

namespace {

constexpr int kTickMs = 150;

QString seamText(const SeamMeasure& m) {
    const auto axis = [](const char* name, const SeamAxis& a) {
        const QString text = QString::fromStdString(seamAxisText(name, a, 3, 2));
        // A seam of 0 reads as what it means.
        return a.ratio == 0 ? QString(text).replace(QString(name) + " 0.000", QString(name) + " no seam") : text;
    };
    return "Seam: " + axis("columns", m.columns) + "   " + axis("rows", m.rows);
}

}  // namespace

cdpreview::cdpreview(PictureHost& host, const ImageLibrary& imageLib, QWidget* parent)
    : QDialog(parent), host_(host), imageLib_(imageLib) {
    setWindowTitle("Preview");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    area_ = new PreviewArea(this);
    layout->addWidget(area_, 1);
    auto* statusBar = new QStatusBar(this);
    status_ = new QLabel(statusBar);
    status_->setObjectName("seam");
    statusBar->addWidget(status_, 1);
    layout->addWidget(statusBar);
    buildMenu();

    frame_ = new QCheckBox("Cadre Resolution", area_);
    frame_->setToolTip("Checked: the first column and row of each copy are inverted, so that the edges show");
    frame_->move(4, 6);
    frame_->adjustSize();
    hbar_ = new QScrollBar(Qt::Horizontal, area_);
    vbar_ = new QScrollBar(Qt::Vertical, area_);
    for (QScrollBar* bar : {hbar_, vbar_}) {
        // One display pixel per arrow; the page size is never set, so the track does
        // not move the image.
        bar->setSingleStep(1);
        bar->setPageStep(0);
        bar->setRange(0, 0);
    }
    connect(hbar_, &QScrollBar::valueChanged, this, [this](int v) {
        scrollX_ = v;
        repaintImage();
    });
    connect(vbar_, &QScrollBar::valueChanged, this, [this](int v) {
        scrollY_ = v;
        repaintImage();
    });
    connect(frame_, &QCheckBox::clicked, this, &cdpreview::refreshPreview);
    connect(area_, &PreviewArea::pointerMoved, this, &cdpreview::movePointer);
    connect(area_, &PreviewArea::leftPressed, this, [this](QPoint client) {
        movePointer(client);
        insertTag();
    });
    connect(area_, &PreviewArea::resized, this, &cdpreview::layoutControls);

    timer_ = new QTimer(this);
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &cdpreview::tick);
    qApp->installEventFilter(this);

    // Opening: zoom 1, no scrolling, the picture shown, the bars laid out.
    refreshPreview();
    const QSize screen =
        QApplication::primaryScreen() ? QApplication::primaryScreen()->availableSize() * 9 / 10 : QSize(1024, 768);
    const QSize wanted(display_.shownWidth() + kPreviewBarThickness,
                       kPreviewImageTop + display_.shownHeight() + kPreviewBarThickness + 40);
    resize(wanted.expandedTo(QSize(480, 360)).boundedTo(screen));
    layoutControls();
    timer_->start();
    // The preview opened last is the one the insertion dialog talks to.
    if (cmodlesstaginsert* dialog = existingTagInsertDialog()) linkInsertDialog(*dialog);
}

cdpreview::~cdpreview() {
    qApp->removeEventFilter(this);
    endInsertion();
}

void cdpreview::linkInsertDialog(cmodlesstaginsert& dialog) {
    if (insertDialog_ == &dialog) return;
    // One preview at a time: the link of an earlier one goes.
    disconnect(&dialog, &cmodlesstaginsert::updateRequested, nullptr, nullptr);
    disconnect(&dialog, &cmodlesstaginsert::configurationRequested, nullptr, nullptr);
    connect(&dialog, &cmodlesstaginsert::updateRequested, this, &cdpreview::loadPreviewTag);
    connect(&dialog, &cmodlesstaginsert::configurationRequested, this, [this] { host_.runConfigurationDialog(); });
    insertDialog_ = &dialog;
}

void cdpreview::buildMenu() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const auto add = [this](QMenu* menu, const char* text, void (cdpreview::*slot)()) {
        QAction* a = menu->addAction(text);
        connect(a, &QAction::triggered, this, slot);
        actions_.append(a);
    };
    QMenu* preview = bar->addMenu("&Preview");
    QMenu* zoom = preview->addMenu("&Zoom");
    add(zoom, "&Out", &cdpreview::zoomOut);
    add(zoom, "&In", &cdpreview::zoomIn);
    add(zoom, "&Pixel", &cdpreview::zoomPixel);
    add(preview, "&Close", &cdpreview::closePreview);
    add(preview, "&Refresh ...", &cdpreview::refreshPreview);
    QMenu* tools = bar->addMenu("&Tools");
    add(tools, "&Default", &cdpreview::defaultCommand);
    add(tools, "&Insert Tag ...", &cdpreview::insertTagCommand);
}

QAction* cdpreview::action(const QString& text) const {
    for (QAction* a : actions_) {
        if (QString(a->text()).remove('&') == text) return a;
    }
    return nullptr;
}

void cdpreview::zoomOut() {
    zoom_ = previewZoomOut(zoom_);
    refreshPreview();
}

void cdpreview::zoomIn() {
    zoom_ = previewZoomIn(zoom_);
    refreshPreview();
}

void cdpreview::zoomPixel() {
    zoom_ = 1;
    refreshPreview();
}

void cdpreview::refreshPreview() {
    Picture* picture = host_.currentPicture();
    area_->setDisplay(nullptr);
    tooLarge_ = false;
    if (!picture) {
        display_ = PreviewDisplay();
        tallyValid_ = false;
        status_->clear();
        repaintImage();
        return;
    }
    tooLarge_ = buildPreviewDisplay(*picture, zoom_, frame_->isChecked(), display_) == PreviewBuild::TooLarge;
    area_->setDisplay(&display_);
    if (!tallyValid_ || tally_.width != picture->width || tally_.height != picture->height) {
        tally_ = seamTally(*picture);
        tallyValid_ = true;
    }
    seam_ = seamMeasureOf(tally_);
    showSeam();
    repaintImage();
}

void cdpreview::showSeam() {
    if (tooLarge_) {
        status_->setText(QString("Too large to show at zoom %1: zoom out").arg(zoom_));
        return;
    }
    status_->setText(seamText(seam_));
}

void cdpreview::closePreview() {
    endInsertion();
    close();
}

void cdpreview::closeEvent(QCloseEvent* event) {
    endInsertion();
    QDialog::closeEvent(event);
}

void cdpreview::endInsertion() {
    timer_->stop();
    insertMode_ = false;
    cmodlesstaginsert* dialog = existingTagInsertDialog();
    if (dialog && dialog->parentWidget() == this) {
        dialog->hide();
        dialog->moveUnder(host_.dialogParent());
    } else if (dialog && insertDialog_ == dialog) {
        dialog->hide();
    }
}

void cdpreview::layoutControls() {
    const PreviewLayout l = previewLayout(area_->width(), area_->height());
    hbar_->setGeometry(l.horizontalBar.x, l.horizontalBar.y, l.horizontalBar.width, l.horizontalBar.height);
    vbar_->setGeometry(l.verticalBar.x, l.verticalBar.y, l.verticalBar.width, l.verticalBar.height);
    hbar_->show();
    vbar_->show();
    if (Picture* picture = host_.currentPicture()) {
        const PreviewScrollRanges r = previewScrollRanges(picture->width, picture->height);
        hbar_->setRange(0, r.horizontalMax);
        vbar_->setRange(0, r.verticalMax);
    }
}

void cdpreview::repaintImage() {
    area_->setScroll(scrollX_, scrollY_);
    area_->repaint();
}

void cdpreview::movePointer(QPoint client) {
    const PreviewPointer p = previewPointer(client.x(), client.y(), zoom_, scrollX_, scrollY_);
    if (p.x == pointerX_ && p.y == pointerY_) return;
    pointerX_ = p.x;
    pointerY_ = p.y;
    pointerMoved_ = true;
}

void cdpreview::tick() {
    if (!pointerMoved_) return;
    pointerMoved_ = false;
    if (!insertMode_ || !previewTag() || !host_.currentPicture() || display_.pixels.empty()) return;
    rebuildDisplay(display_);
    drawTagOverlays(display_, tag_->cells(), tag_->width, tag_->height, pointerX_, pointerY_,
                    tagInsertParams().insertLevel);
    repaintImage();
}

void cdpreview::insertTag() {
    Picture* picture = host_.currentPicture();
    if (!insertMode_ || !previewTag() || !picture) return;
    if (firstInsertion_) {
        // One snapshot for the whole opening: undo takes back every insertion at once.
        host_.showEscapeInformation();
        host_.saveUndoSnapshot();
        firstInsertion_ = false;
    }
    const TagFootprint f = tagFootprint(*picture, tag_->width, tag_->height, pointerX_, pointerY_);
    const SeamRegion region = seamRegion(*picture, f.x, f.y, f.width, f.height, paintSettings().connectable != 0);
    const SeamInsideSums before = seamInsideSums(*picture, region);
    insertTagAt(*picture, tag_->cells(), tag_->width, tag_->height, pointerX_, pointerY_,
                tagInsertParams().insertLevel);
    if (tallyValid_) updateSeamTally(tally_, *picture, region, before);
    refreshPreview();
}

void cdpreview::defaultCommand() {
    insertMode_ = false;
    rebuildDisplay(display_);
    area_->update();
}

void cdpreview::insertTagCommand() {
    cmodlesstaginsert& dialog = tagInsertDialog(this);
    linkInsertDialog(dialog);
    dialog.fillInsertDialog();
    dialog.show();
    dialog.raise();
    loadPreviewTag();
}

void cdpreview::reload() {
    if (cmodlesstaginsert* dialog = existingTagInsertDialog()) dialog->fillInsertDialog();
    loadPreviewTag();
}

void cdpreview::turnWheel(bool awayFromUser) {
    TagInsertParams& p = tagInsertParams();
    const WheelStep step = wheelStep(p.insertLevel, awayFromUser);
    p.insertLevel = step.level;
    if (step.reload) reload();
}

void cdpreview::pressKey(int key, Qt::KeyboardModifiers modifiers) {
    TagInsertParams& p = tagInsertParams();
    const bool keypad = modifiers & Qt::KeypadModifier;
    if (key == Qt::Key_Escape) {
        defaultCommand();
    } else if (key == Qt::Key_Z) {
        p.insertAngle = 0;
        reload();
    } else if (keypad && key == Qt::Key_Minus) {
        p.insertAngle = angleAfterKeypadMinus(p.insertAngle);
        reload();
    } else if (keypad && key == Qt::Key_Plus) {
        p.insertAngle = angleAfterKeypadPlus(p.insertAngle);
        reload();
    }
}

bool cdpreview::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != this) return false;
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool keypad = key->modifiers() & Qt::KeypadModifier;
        const bool ours = key->key() == Qt::Key_Escape || key->key() == Qt::Key_Z ||
                          (keypad && (key->key() == Qt::Key_Minus || key->key() == Qt::Key_Plus));
        if (!ours) return false;
        pressKey(key->key(), key->modifiers());
        return true;
    }
    if (event->type() == QEvent::Wheel) {
        // Outside an insertion the wheel scrolls, where there is anything to scroll.
        if (!insertMode_ &&
            scrollViewByWheel(*static_cast<QWheelEvent*>(event), area_->scrollsAcross() ? hbar_ : nullptr,
                              area_->scrollsDown() ? vbar_ : nullptr))
            return true;
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (delta == 0) return false;
        turnWheel(delta > 0);
        return true;
    }
    return false;
}

void cdpreview::loadPreviewTag() {
    std::optional<TagImage> tag =
        loadInsertTag(imageLib_, tagInsertParams(), paintSettings().blendColor, host_.interaction());
    if (!tag) return;
    tag_ = std::move(tag);
    insertMode_ = true;
    pointerMoved_ = true;  // the next tick draws the overlay
}

void runPreviewCommand(PictureHost& host, const ImageLibrary& imageLib, const std::function<int(QDialog&)>& exec) {
    {
        cdpreview preview(host, imageLib, host.dialogParent());
        exec(preview);
    }
    host.refreshView();
}
