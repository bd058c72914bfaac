#include "app/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/command_ids.h"

namespace {
class MenuBuilder {
public:
    MenuBuilder(const std::function<void(int)>& dispatch, QMap<int, QAction*>& actions)
        : dispatch_(dispatch), actions_(actions) {}

    void item(QMenu* menu, const char* text, int id, const QList<QKeySequence>& keys = {}) {
        QAction* action = menu->addAction(QString::fromUtf8(text));
        action->setData(id);
        if (!keys.isEmpty()) action->setShortcuts(keys);
        auto dispatch = dispatch_;
        QObject::connect(action, &QAction::triggered, action, [dispatch, id] { dispatch(id); });
        actions_.insert(id, action);
    }

    // Items whose texts end in "..." name a submenu that holds the real item.
    void nested(QMenu* menu, const char* title, const char* text, int id) {
        item(menu->addMenu(QString::fromUtf8(title)), text, id);
    }

private:
    std::function<void(int)> dispatch_;
    QMap<int, QAction*>& actions_;
};
}  // namespace

QMap<int, QAction*> buildMainMenu(QMenuBar* bar, const std::function<void(int id)>& dispatch) {
    QMap<int, QAction*> actions;
    MenuBuilder b(dispatch, actions);

    QMenu* file = bar->addMenu("&File");
    b.item(file, "&New", cmd::New, QKeySequence::keyBindings(QKeySequence::New));
    QMenu* import = file->addMenu("&Import");
    b.item(import, "&Clipboard", cmd::ImportClipboard);
    b.item(import, "&File ...", cmd::ImportFile, QKeySequence::keyBindings(QKeySequence::Open));
    QMenu* exportMenu = file->addMenu("&Export");
    b.item(exportMenu, "&Clipboard", cmd::ExportClipboard);
    b.item(exportMenu, "&File ...", cmd::ExportFile, QKeySequence::keyBindings(QKeySequence::Save));
    file->addSeparator();
    b.item(file, "E&xit", cmd::Exit, QKeySequence::keyBindings(QKeySequence::Quit));
    b.item(file, "&About Box ...", cmd::AboutBox);

    QMenu* paint = bar->addMenu("&Paint");
    b.item(paint, "&Annuler ...", cmd::Undo, QKeySequence::keyBindings(QKeySequence::Undo));
    paint->addSeparator();
    QMenu* zoom = paint->addMenu("&Zoom");
    b.item(zoom, "&Out", cmd::ZoomOut, QKeySequence::keyBindings(QKeySequence::ZoomOut));
    // Ctrl+= as well: on most keyboards "+" needs Shift, "=" is the same key without it.
    QList<QKeySequence> zoomIn = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    if (!zoomIn.contains(QKeySequence(Qt::CTRL | Qt::Key_Equal))) zoomIn.append(QKeySequence(Qt::CTRL | Qt::Key_Equal));
    b.item(zoom, "&In", cmd::ZoomIn, zoomIn);
    b.item(zoom, "&Pixel", cmd::ZoomPixel, {QKeySequence(Qt::CTRL | Qt::Key_0)});
    paint->addSeparator();
    b.item(paint, "&Fill Color ...", cmd::FillColor);
    paint->addSeparator();
    b.item(paint, "C&onfiguration ...", cmd::Configuration);
    paint->addSeparator();
    b.item(paint, "&No Blend Color", cmd::NoBlendColor);
    b.item(paint, "&Blend Color ...", cmd::BlendColor);
    paint->addSeparator();
    b.item(paint, "Pa&lette ...", cmd::Palette);
    b.item(paint, "&Mixage ...", cmd::Mixage);
    paint->addSeparator();
    b.nested(paint, "&Circle ...", "&V1 ...", cmd::Circle);
    b.nested(paint, "&Rectangle ...", "&V1 ...", cmd::Rectangle);
    b.nested(paint, "&Polygone", "&V1", cmd::Polygon);
    b.nested(paint, "&Vector", "&V1", cmd::Vector);
    paint->addSeparator();
    b.nested(paint, "&Tag", "&V1 ...", cmd::Tag);
    b.nested(paint, "Circle Mi&x", "&V1", cmd::CircleMix);
    paint->addSeparator();
    b.item(paint, "Previe&w ...", cmd::Preview);

    QMenu* filter = bar->addMenu("F&ilter ....");
    b.item(filter, "&Noise ...", cmd::Noise);
    b.item(filter, "&Sharpen ...", cmd::Sharpen);
    filter->addSeparator();
    b.item(filter, "&Render Connectable ...", cmd::RenderConnectable);
    b.item(filter, "Make Sea&mless ...", cmd::MakeSeamless);

    QMenu* part = bar->addMenu("Part.&ClipBoard");
    b.item(part, "&Import", cmd::PartImport);
    b.item(part, "&Export", cmd::PartExport);
    b.item(part, "Export/import &filter ...", cmd::PartFilter);

    QMenu* config = bar->addMenu("C&onfiguration");
    b.item(config, "&Load ...", cmd::ConfigLoad);
    b.item(config, "&Save ...", cmd::ConfigSave);

    // The about item lives in the window's system menu elsewhere; here it gets a menu.
    QMenu* help = bar->addMenu("&Help");
    b.item(help, "&About vospren...", cmd::AboutVospren);
    return actions;
}
