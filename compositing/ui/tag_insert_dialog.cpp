#include "compositing/ui/tag_insert_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "command/command_texts.h"
#include "compositing/file_list_rule.h"
#include "core/paint_settings.h"
#include "params/declarations.h"
#include "params/parameter_blocks.h"

namespace {

QPushButton* makeButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    // Enter never presses a button of this dialog.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

cmodlesstaginsert::cmodlesstaginsert(QWidget* parent) : QDialog(parent), fields_(this) {
    setWindowTitle("Insertion Tag in preview");
    setModal(false);

    const BlockDeclaration& block = tagInsertDeclaration();
    history_ = static_cast<QComboBox*>(fields_.add(block, "insertHistory"));
    remove_ = makeButton("-", this);
    path_ = static_cast<QLineEdit*>(fields_.add(block, "insertFile"));
    browse_ = makeButton("...", this);
    fields_.addAll(block);
    level_ = new QLabel(this);
    level_->setObjectName("paintLevel");
    level_->setToolTip("The blend level that the last shape left: every insertion is applied on top of it");
    configuration_ = makeButton("Configuration ...", this);
    update_ = makeButton("Update ...", this);
    // The dialog has OK and Cancel, but never shows them.
    for (const char* name : {"OK", "Cancel"}) {
        QPushButton* hidden = makeButton(name, this);
        hidden->setObjectName(QString(name).toLower());
        hidden->hide();
    }

    QGridLayout* grid = fields_.grid(block, 0);
    setLayout(grid);
    grid->addWidget(remove_, 0, 2);
    grid->addWidget(browse_, 1, 2);
    grid->addWidget(level_, 3, 2);
    grid->addWidget(configuration_, 4, 0, 1, 3);
    grid->addWidget(update_, 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    path_->setMinimumWidth(260);

    connect(history_, &QComboBox::activated, this, &cmodlesstaginsert::chooseEntry);
    connect(remove_, &QPushButton::clicked, this, &cmodlesstaginsert::removeSelected);
    connect(browse_, &QPushButton::clicked, this, &cmodlesstaginsert::browseOne);
    connect(update_, &QPushButton::clicked, this, &cmodlesstaginsert::update);
    connect(configuration_, &QPushButton::clicked, this, &cmodlesstaginsert::configurationRequested);
}

void cmodlesstaginsert::fillInsertDialog() {
    fields_.show(tagInsertDeclaration(), &tagInsertParams());
    level_->setText(QString::fromStdString(blendLevelText(paintSettings().blendLevel)));
}

void cmodlesstaginsert::readInsertDialog() { fields_.store(tagInsertDeclaration(), &tagInsertParams()); }

void cmodlesstaginsert::moveUnder(QWidget* owner) {
    if (parentWidget() == owner) return;
    const QPoint place = pos();
    const bool shown = isVisible();
    setParent(owner, windowFlags());
    move(place);
    if (shown) show();
}

void cmodlesstaginsert::addPathEntry(const QString& path) {
    std::vector<std::string> entries;
    for (int i = 0; i < history_->count(); ++i) entries.push_back(pathFromQt(history_->itemText(i)));
    const int at = addToFileList(entries, pathFromQt(path));
    if (at >= 0) history_->insertItem(at, path, DeclaredFields::kFileEntry);
}

void cmodlesstaginsert::chooseEntry(int index) {
    if (index < 0) return;
    const int marker = history_->itemData(index).toInt();
    if (marker == DeclaredFields::kBrowseEntry) {
        for (const QString& path : chooseFiles(this, {FileDialogKind::OpenSeveral, pictureFileFilter()}))
            addPathEntry(path);
        return;
    }
    if (marker != DeclaredFields::kFileEntry) return;
    path_->setText(history_->itemText(index));
    update();
}

void cmodlesstaginsert::removeSelected() {
    const int index = history_->currentIndex();
    if (index >= 0 && history_->itemData(index).toInt() == DeclaredFields::kFileEntry) history_->removeItem(index);
}

void cmodlesstaginsert::browseOne() {
    const QStringList chosen = chooseFiles(this, {FileDialogKind::Open, pictureFileFilter()});
    if (!chosen.isEmpty()) path_->setText(chosen.front());
}

void cmodlesstaginsert::update() {
    readInsertDialog();
    emit updateRequested();
}

// The one dialog of the run is a window of the application: found there, not kept
// aside.
cmodlesstaginsert* existingTagInsertDialog() {
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* dialog = qobject_cast<cmodlesstaginsert*>(widget)) return dialog;
    return nullptr;
}

cmodlesstaginsert& tagInsertDialog(QWidget* owner) {
    cmodlesstaginsert* dialog = existingTagInsertDialog();
    if (!dialog) dialog = new cmodlesstaginsert(owner);
    dialog->moveUnder(owner);
    return *dialog;
}
