#pragma once
#include <QDialog>

#include <QPointer>

#include <functional>
#include <optional>

#include "compositing/preview_display.h"
#include "compositing/tag_image.h"
#include "filters/seam_tally.h"

class PictureHost;
class PreviewArea;
class QAction;
class QCheckBox;
class QLabel;
class QScrollBar;
class QTimer;
class cmodlesstaginsert;
struct ImageLibrary;

// "Preview": the host's picture three times across and three times down, reduced
// by a zoom factor, so that seams between the copies show. Hosts tag insertion by
// hand: the tag follows the pointer over the nine copies and a left click stamps it
// into the picture once. The status line shows the seam measure of the picture.
class cdpreview : public QDialog {
    Q_OBJECT
public:
    // Tags are read through `imageLib`.
    cdpreview(PictureHost& host, const ImageLibrary& imageLib, QWidget* parent = nullptr);
    ~cdpreview() override;

    // The menu's commands.
    void zoomOut();
    void zoomIn();
    void zoomPixel();
    void refreshPreview();
    void closePreview();
    void insertTagCommand();  // "Insert Tag ..."
    void defaultCommand();    // "Default": insertion mode off, overlay wiped

    // What the 150 ms timer does; public so that a session can be replayed tick by tick.
    void tick();

    // Loads the file of TagInsertParams, rotates it and makes it the tag that follows
    // the pointer; insertion mode goes on. Nothing happens for an empty path or a file
    // that cannot be read (the loader has said why).
    void loadPreviewTag();
    // The wheel and the keys, as the preview handles them before its controls.
    void turnWheel(bool awayFromUser);
    void pressKey(int key, Qt::KeyboardModifiers modifiers);

    PictureHost& host() const { return host_; }
    int zoom() const { return zoom_; }
    int scrollX() const { return scrollX_; }
    int scrollY() const { return scrollY_; }
    int pointerX() const { return pointerX_; }
    int pointerY() const { return pointerY_; }
    bool insertMode() const { return insertMode_; }
    // The tag that follows the pointer, already rotated; null before the first load.
    const TagImage* previewTag() const { return tag_ ? &*tag_ : nullptr; }
    const PreviewDisplay& display() const { return display_; }
    const SeamMeasure& seam() const { return seam_; }

    PreviewArea* area() const { return area_; }
    QCheckBox* frameBox() const { return frame_; }
    QScrollBar* horizontalBar() const { return hbar_; }
    QScrollBar* verticalBar() const { return vbar_; }
    QLabel* statusLine() const { return status_; }
    // The menu item of this text (access-key marks aside).
    QAction* action(const QString& text) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void layoutControls();
    void repaintImage();
    void movePointer(QPoint client);
    void insertTag();
    void reload();
    void showSeam();
    // Hides the insertion dialog and gives it back to the main window, leaving
    // insertion mode and the timer off.
    void endInsertion();
    // Makes this preview the one the insertion dialog talks to.
    void linkInsertDialog(cmodlesstaginsert& dialog);

    PictureHost& host_;
    const ImageLibrary& imageLib_;
    PreviewArea* area_;
    QCheckBox* frame_;
    QScrollBar* hbar_;
    QScrollBar* vbar_;
    QLabel* status_;
    QTimer* timer_;
    QList<QAction*> actions_;
    QPointer<cmodlesstaginsert> insertDialog_;  // linked while this preview is the one it talks to

    int zoom_ = 1;
    int scrollX_ = 0;
    int scrollY_ = 0;
    int pointerX_ = 0;
    int pointerY_ = 0;
    bool pointerMoved_ = false;
    bool insertMode_ = false;
    bool firstInsertion_ = true;
    bool tooLarge_ = false;
    std::optional<TagImage> tag_;
    PreviewDisplay display_;
    SeamTally tally_;
    bool tallyValid_ = false;
    SeamMeasure seam_;
};

// "Preview ...": opens a new preview on the host's picture, runs it through `exec`
// (modal: the main window takes no input meanwhile), and refreshes the host's view
// when it closes, since insertions may have changed the picture.
void runPreviewCommand(PictureHost& host, const ImageLibrary& imageLib, const std::function<int(QDialog&)>& exec);
