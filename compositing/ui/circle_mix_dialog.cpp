#include "compositing/ui/circle_mix_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QVBoxLayout>

#include "compositing/ui/picture_file_list.h"
#include "core/interaction.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_fields.h"
#include "ui/file_list_widget.h"

namespace {
QGroupBox* rangeGroup(const QString& title, QLineEdit* min, QLineEdit* max, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Min : "), min);
    form->addRow(QStringLiteral("Max  :"), max);
    return group;
}
}  // namespace

cdmixcircle::cdmixcircle(CircleMixParams& params, QWidget* parent)
    : QDialog(parent),
      params_(params),
      mixMin_(makeNumberEdit(1003, true, this)),
      mixMax_(makeNumberEdit(1004, true, this)),
      radiusMin_(makeNumberEdit(1005, true, this)),
      radiusMax_(makeNumberEdit(1006, true, this)),
      count_(makeNumberEdit(1007, true, this)),
      rotation_(makeCheckBox(1008, QStringLiteral("Rotation"), this)),
      plug_(makeCheckBox(1009, QStringLiteral("Plug"), this)),
      hint_(new QLabel(this)),
      files_(new FileListWidget(compositingFileListRule(), compositingFileFilter(), this)),
      opaqueMin_(makeNumberEdit(1010, false, this)),
      opaqueMax_(makeNumberEdit(1011, false, this)) {
    setWindowTitle(QStringLiteral("Circle Mixe"));
    hint_->setObjectName(QStringLiteral("hint"));

    auto* ranges = new QHBoxLayout;
    ranges->addWidget(rangeGroup(QStringLiteral("Mixe(%)"), mixMin_, mixMax_, this));
    ranges->addWidget(rangeGroup(QStringLiteral("Radius"), radiusMin_, radiusMax_, this));

    auto* countRow = new QHBoxLayout;
    auto* countForm = new QFormLayout;
    countForm->addRow(QStringLiteral("Count : "), count_);
    countRow->addLayout(countForm);
    countRow->addWidget(rotation_);
    countRow->addWidget(plug_);
    countRow->addStretch(1);

    auto* opaque = new QFormLayout;
    opaque->addRow(QStringLiteral("Opaque Radius Percent Min (%):"), opaqueMin_);
    opaque->addRow(QStringLiteral("Opaque Radius Percent Max (%):"), opaqueMax_);

    auto* top = new QVBoxLayout(this);
    top->addLayout(ranges);
    top->addLayout(countRow);
    top->addWidget(hint_);
    top->addWidget(files_, 1);
    top->addLayout(opaque);
    top->addLayout(makeOkCancelRow(this));
    files_->takeDropsFor(this);
    resize(440, 420);
}

void cdmixcircle::fill() {
    showNumber(mixMin_, params_.mixMinPercent);
    showNumber(mixMax_, params_.mixMaxPercent);
    showNumber(radiusMin_, params_.radiusMin);
    showNumber(radiusMax_, params_.radiusMax);
    showNumber(count_, params_.discCount);
    showNumber(opaqueMin_, params_.opaqueMinPercent);
    showNumber(opaqueMax_, params_.opaqueMaxPercent);
    rotation_->setChecked(params_.discRotation != 0);
    plug_->setChecked(params_.plug != 0);
    files_->setEntries(params_.mixFiles);
    hint_->setText(QString::fromLatin1(kDropHint));
}

bool cdmixcircle::run() {
    fill();
    focusFirstField(mixMin_);
    return exec() == QDialog::Accepted;
}

void cdmixcircle::showError(const char* text) {
    if (messageSink_) {
        messageSink_(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kMainCaption), QString::fromLatin1(text),
                    QMessageBox::Ok, this);
    box.exec();
}

void cdmixcircle::accept() {
    params_.mixFiles = files_->entries();
    if (params_.mixFiles.empty()) return;
    params_.mixMinPercent = readNumber(mixMin_, kNumberFieldChars);
    params_.mixMaxPercent = readNumber(mixMax_, kNumberFieldChars);
    params_.radiusMin = readNumber(radiusMin_, kNumberFieldChars);
    params_.radiusMax = readNumber(radiusMax_, kNumberFieldChars);
    params_.discCount = readNumber(count_, kNumberFieldChars);
    params_.opaqueMinPercent = readNumber(opaqueMin_, kNumberFieldChars);
    params_.opaqueMaxPercent = readNumber(opaqueMax_, kNumberFieldChars);
    params_.discRotation = rotation_->isChecked() ? 1 : 0;
    params_.plug = plug_->isChecked() ? 1 : 0;
    const int32_t lo = params_.opaqueMinPercent, hi = params_.opaqueMaxPercent;
    if (lo > 100 || lo < 0 || hi > 100 || hi < 0) {
        params_.opaqueMinPercent = params_.opaqueMaxPercent = 0;
        showError(kOpaqueRangeMessage);
        return;
    }
    if (lo > hi) {
        params_.opaqueMinPercent = params_.opaqueMaxPercent = 0;
        showError(kOpaqueOrderMessage);
        return;
    }
    QDialog::accept();
}

cdmixcircle& circleMixDialog(QWidget* owner) {
    static QPointer<cdmixcircle> instance;
    if (!instance) instance = new cdmixcircle(circleMixParams(), owner);
    return *instance;
}
