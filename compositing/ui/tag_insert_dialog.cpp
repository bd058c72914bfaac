#include "compositing/ui/tag_insert_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "compositing/tag_insert_values.h"
#include "compositing/ui/preview_window.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_fields.h"
#include "ui/picture_host.h"

namespace {

// The picture files a tag may come from, as the tag dialogs offer them (in Qt's form).
constexpr const char* kTagFileFilter =
    "Picture Files (*.png *.bmp *.jpg);;Jpeg (*.jpg);;Portable NetWork Graphics (*.png);;Bitmap (True Color "
    "Only)(*.bmp);;All Files (*)";

QStringList askForFiles(QWidget* parent, bool several) {
    const QString filter = kTagFileFilter;
    if (several) return QFileDialog::getOpenFileNames(parent, QString(), QString(), filter);
    const QString one = QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    return one.isEmpty() ? QStringList() : QStringList{one};
}

QPushButton* makeButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    // Enter never presses a button of this dialog.
    button->setAutoDefault(false);
    return button;
}

QPointer<cmodlesstaginsert>& theDialog() {
    static QPointer<cmodlesstaginsert> dialog;
    return dialog;
}

}  // namespace

cmodlesstaginsert::cmodlesstaginsert(QWidget* parent) : QDialog(parent), chooser_(askForFiles) {
    setWindowTitle("Insertion Tag in preview");
    setModal(false);

    history_ = new QComboBox(this);
    history_->setObjectName("history");
    remove_ = makeButton("-", this);
    path_ = new QLineEdit(this);
    path_->setObjectName("path");
    browse_ = makeButton("...", this);
    angle_ = makeDigitsEdit(this);
    angle_->setObjectName("rotation");
    antiAlias_ = new QCheckBox("Anti Alias", this);
    mix_ = makeDigitsEdit(this);
    mix_->setObjectName("mix");
    configuration_ = makeButton("Configuration ...", this);
    update_ = makeButton("Update ...", this);
    // The dialog has OK and Cancel, but never shows them.
    for (const char* name : {"OK", "Cancel"}) {
        QPushButton* hidden = makeButton(name, this);
        hidden->setObjectName(QString(name).toLower());
        hidden->hide();
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Nom du fichier image : ", this), 0, 0);
    grid->addWidget(history_, 0, 1);
    grid->addWidget(remove_, 0, 2);
    grid->addWidget(new QLabel("Nom du fichier image : ", this), 1, 0);
    grid->addWidget(path_, 1, 1);
    grid->addWidget(browse_, 1, 2);
    grid->addWidget(new QLabel("Rotation in degree  (0 No Rotation): ", this), 2, 0);
    grid->addWidget(angle_, 2, 1);
    grid->addWidget(antiAlias_, 2, 2);
    grid->addWidget(new QLabel("Mix (%) (0-->100): ", this), 3, 0);
    grid->addWidget(mix_, 3, 1);
    grid->addWidget(configuration_, 4, 0, 1, 3);
    grid->addWidget(update_, 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    path_->setMinimumWidth(260);

    connect(history_, &QComboBox::activated, this, &cmodlesstaginsert::chooseEntry);
    connect(remove_, &QPushButton::clicked, this, &cmodlesstaginsert::removeSelected);
    connect(browse_, &QPushButton::clicked, this, &cmodlesstaginsert::browseOne);
    connect(update_, &QPushButton::clicked, this, &cmodlesstaginsert::update);
    connect(configuration_, &QPushButton::clicked, this, &cmodlesstaginsert::configure);
}

void cmodlesstaginsert::fillInsertDialog() {
    const TagInsertParams& p = tagInsertParams();
    path_->setText(QString::fromStdString(insertFileOf(p)));
    angle_->setText(QString::number(p.insertAngle));
    mix_->setText(QString::number(mixPercentShown(p.insertLevel)));
    antiAlias_->setChecked(p.insertAntiAlias != 0);
    history_->clear();
    for (const std::string& entry : insertComboEntries(p.insertHistory)) {
        history_->addItem(QString::fromStdString(entry), entry == kInsertBrowseEntry ? kBrowseMarker : kPathMarker);
    }
}

void cmodlesstaginsert::readInsertDialog() {
    TagInsertParams& p = tagInsertParams();
    storeInsertFile(p, path_->text().toStdString());
    p.insertAngle = insertAngleFromText(angle_->text().left(int(kInsertAngleChars)).toStdString());
    p.insertLevel = insertLevelFromMixText(mix_->text().toStdString());
    p.insertAntiAlias = antiAlias_->isChecked() ? 1 : 0;
    p.insertHistory.clear();
    for (int i = 0; i < history_->count(); ++i) p.insertHistory.push_back(history_->itemText(i).toStdString());
}

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
    for (int i = 0; i < history_->count(); ++i) entries.push_back(history_->itemText(i).toStdString());
    const int at = addHistoryEntry(entries, path.toStdString());
    if (at >= 0) history_->insertItem(at, path, kPathMarker);
}

void cmodlesstaginsert::chooseEntry(int index) {
    if (index < 0) return;
    const int marker = history_->itemData(index).toInt();
    if (marker == kBrowseMarker) {
        for (const QString& path : chooser_(this, true)) addPathEntry(path);
        return;
    }
    if (marker != kPathMarker) return;
    path_->setText(history_->itemText(index));
    update();
}

void cmodlesstaginsert::removeSelected() {
    const int index = history_->currentIndex();
    if (index >= 0 && history_->itemData(index).toInt() == kPathMarker) history_->removeItem(index);
}

void cmodlesstaginsert::browseOne() {
    const QStringList chosen = chooser_(this, false);
    if (!chosen.isEmpty()) path_->setText(chosen.front());
}

void cmodlesstaginsert::update() {
    readInsertDialog();
    if (cdpreview* preview = cdpreview::addressed()) preview->loadPreviewTag();
}

void cmodlesstaginsert::configure() {
    if (cdpreview* preview = cdpreview::addressed()) preview->host().runConfigurationDialog();
}

cmodlesstaginsert* existingTagInsertDialog() { return theDialog().data(); }

cmodlesstaginsert& tagInsertDialog(QWidget* owner) {
    QPointer<cmodlesstaginsert>& dialog = theDialog();
    if (!dialog) dialog = new cmodlesstaginsert(owner);
    dialog->moveUnder(owner);
    return *dialog;
}
