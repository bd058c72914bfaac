#include "compositing/ui/tag_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "compositing/ui/picture_file_list.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_fields.h"
#include "ui/file_list_widget.h"

cdtagpng::cdtagpng(TagParams& params, QWidget* parent)
    : QDialog(parent),
      params_(params),
      hint_(new QLabel(this)),
      files_(new FileListWidget(compositingFileListRule(), compositingFileFilter(), this)),
      count_(makeNumberEdit(1001, true, this)),
      rotation_(makeCheckBox(1002, QStringLiteral("Rotation"), this)) {
    setWindowTitle(QStringLiteral("Tag"));
    hint_->setObjectName(QStringLiteral("hint"));

    auto* countRow = new QFormLayout;
    countRow->addRow(QStringLiteral("Count : "), count_);

    auto* rotationGroup = new QGroupBox(QStringLiteral("Rotation"), this);
    auto* rotationLayout = new QVBoxLayout(rotationGroup);
    rotationLayout->addWidget(rotation_);
    auto* extended = new QGroupBox(QStringLiteral("Extended"), this);
    auto* extendedLayout = new QVBoxLayout(extended);
    extendedLayout->addWidget(rotationGroup);

    auto* top = new QVBoxLayout(this);
    top->addWidget(hint_);
    top->addWidget(files_, 1);
    top->addLayout(countRow);
    top->addWidget(extended);
    top->addLayout(makeOkCancelRow(this));
    files_->takeDropsFor(this);
    resize(420, 320);
}

void cdtagpng::fill() {
    showNumber(count_, params_.tagCount);
    files_->setEntries(params_.tagFiles);
    hint_->setText(QString::fromLatin1(kDropHint));
    rotation_->setChecked(params_.tagRotation != 0);
}

bool cdtagpng::run() {
    fill();
    focusFirstField(count_);
    return exec() == QDialog::Accepted;
}

void cdtagpng::accept() {
    params_.tagFiles = files_->entries();
    if (params_.tagFiles.empty()) return;
    params_.tagCount = readNumber(count_, kNumberFieldChars);
    params_.tagRotation = rotation_->isChecked() ? 1 : 0;
    QDialog::accept();
}

cdtagpng& tagDialog(QWidget* owner) {
    static QPointer<cdtagpng> instance;
    if (!instance) instance = new cdtagpng(tagParams(), owner);
    return *instance;
}
