// The main window's command table: every menu item with its id, menu path, shortcut
// and handler, in menu order. A new command is one id in app/command_ids.h and one
// row here.
#include "app/about_box.h"
#include "app/command_ids.h"
#include "app/main_menu.h"
#include "app/main_window.h"

#include <QMenu>
#include <QMenuBar>
#include "compositing/ui/compositing_commands.h"
#include "compositing/ui/preview_window.h"
#include "exchange/ui/clipboard_commands.h"
#include "exchange/ui/file_commands.h"
#include "filters/ui/filter_commands.h"
#include "filters/ui/make_seamless_command.h"
#include "generators/ui/generator_commands.h"
#include "generators/ui/palette_editor.h"

namespace {
QList<QKeySequence> standard(QKeySequence::StandardKey key) { return QKeySequence::keyBindings(key); }

// Ctrl+= as well: on most keyboards "+" needs Shift, "=" is the same key without it.
QList<QKeySequence> zoomInKeys() {
    QList<QKeySequence> keys = standard(QKeySequence::ZoomIn);
    if (!keys.contains(QKeySequence(Qt::CTRL | Qt::Key_Equal))) keys.append(QKeySequence(Qt::CTRL | Qt::Key_Equal));
    return keys;
}
}  // namespace

void CvosprenDlg::createCommands() {
    const QString file = "&File", paint = "&Paint", filter = "F&ilter ....", part = "Part.&ClipBoard";
    // clang-format off
    commands_ = {
        {cmd::New, file + " > &New", standard(QKeySequence::New), [this] { newPicture(); }},
        {cmd::ImportClipboard, file + " > &Import > &Clipboard", standard(QKeySequence::Paste),
         [this] { importClipboard(runImportClipboardCommand); }},
        {cmd::ImportFile, file + " > &Import > &File ...", standard(QKeySequence::Open),
         [this] { reportImport(runImportFileCommand(*this, imageLib_)); }},
        // "Open Recent": filled from the settings by the window.
        menuRow(file + " > Open &Recent"),
        {cmd::Save, file + " > &Save", standard(QKeySequence::Save), [this] { save(); }},
        {cmd::SaveAs, file + " > Sa&ve As ...", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, [this] { saveAs(); }},
        {cmd::ExportClipboard, file + " > &Export > &Clipboard", standard(QKeySequence::Copy),
         [this] { runExportClipboardCommand(*this); }},
        {cmd::ExportFile, file + " > &Export > &File ...", {}, [this] { exportFile(); }},
        separatorRow(file),
        {cmd::Exit, file + " > E&xit", standard(QKeySequence::Quit), [this] { exitProgram(); }},
        {cmd::AboutBox, file + " > &About Box ...", {}, [this] {
             if (!aboutBox_) aboutBox_ = new cfaboutbox(this);
             runDialog(*aboutBox_);
         }},

        {cmd::Undo, paint + " > &Annuler ...", standard(QKeySequence::Undo), [this] { undo(); }},
        {cmd::Redo, paint + " > R&edo", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
         [this] { redo(); }},
        separatorRow(paint),
        {cmd::ZoomOut, paint + " > &Zoom > &Out", standard(QKeySequence::ZoomOut),
         [this] { setZoom(zoom_ + 1 > 15 ? 16 : zoom_ + 1); }},
        {cmd::ZoomIn, paint + " > &Zoom > &In", zoomInKeys(), [this] { setZoom(zoom_ - 1 <= 0 ? 1 : zoom_ - 1); }},
        {cmd::ZoomPixel, paint + " > &Zoom > &Pixel", {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { setZoom(1); }},
        separatorRow(paint),
        {cmd::FillColor, paint + " > &Fill Color ...", {}, [this] { runFillColorCommand(*this); }},
        separatorRow(paint),
        {cmd::Configuration, paint + " > C&onfiguration ...", {}, [this] { runConfigurationDialog(); }},
        separatorRow(paint),
        {cmd::NoBlendColor, paint + " > &No Blend Color", {}, [this] { runNoBlendColorCommand(*this); }},
        {cmd::BlendColor, paint + " > &Blend Color ...", {}, [this] { runBlendColorCommand(*this); }},
        separatorRow(paint),
        {cmd::Palette, paint + " > Pa&lette ...", {}, [this] { runPaletteCommand(*this); }},
        {cmd::Mixage, paint + " > &Mixage ...", {}, [this] { runMixageCommand(*this); }},
        separatorRow(paint),
        // Items whose texts end in "..." name a submenu that holds the real item.
        {cmd::Circle, paint + " > &Circle ... > &V1 ...", {}, [this] { runCircleCommand(*this); }},
        {cmd::Rectangle, paint + " > &Rectangle ... > &V1 ...", {}, [this] { runRectangleCommand(*this); }},
        {cmd::Polygon, paint + " > &Polygone > &V1", {}, [this] { runPolygonCommand(*this); }},
        {cmd::Vector, paint + " > &Vector > &V1", {}, [this] { runVectorCommand(*this); }},
        separatorRow(paint),
        {cmd::Tag, paint + " > &Tag > &V1 ...", {}, [this] { runTagCommand(*this, imageLib_); }},
        {cmd::CircleMix, paint + " > Circle Mi&x > &V1", {}, [this] { runCircleMixCommand(*this, imageLib_); }},
        separatorRow(paint),
        {cmd::Preview, paint + " > Previe&w ...", {},
         [this] { runPreviewCommand(*this, imageLib_, [this](QDialog& d) { return runDialog(d); }); }},

        {cmd::Noise, filter + " > &Noise ...", {}, [this] { runNoiseCommand(*this); }},
        {cmd::Sharpen, filter + " > &Sharpen ...", {}, [this] { runSharpenCommand(*this); }},
        separatorRow(filter),
        {cmd::RenderConnectable, filter + " > &Render Connectable ...", {},
         [this] { runRenderConnectableCommand(*this); }},
        {cmd::MakeSeamless, filter + " > Make Sea&mless ...", {}, [this] { runMakeSeamlessCommand(*this); }},

        {cmd::PartImport, part + " > &Import", {}, [this] { importClipboard(runPartImportCommand); }},
        {cmd::PartExport, part + " > &Export", {}, [this] { runPartExportCommand(*this); }},
        {cmd::PartFilter, part + " > Export/import &filter ...", {}, [this] { importClipboard(runPartFilterCommand); }},

        {cmd::ConfigLoad, "C&onfiguration > &Load ...", {}, [this] { loadConfigurationCommand(); }},
        {cmd::ConfigSave, "C&onfiguration > &Save ...", {}, [this] { saveConfigurationCommand(); }},

        // The about item lives in the window's system menu elsewhere; here it gets a menu.
        {cmd::AboutVospren, "&Help > &About vospren...", {}, [this] {
             AboutVospren about(this);
             runDialog(about);
         }},
    };
    // clang-format on
    actions_ = buildMainMenu(menuBar(), commands_, [this](int id) { runCommand(id); });
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        if (menu->title() == "Open &Recent") recentMenu_ = menu;
}
