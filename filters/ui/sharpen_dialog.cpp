#include "filters/ui/sharpen_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "ui/dialog_fields.h"

namespace {
// The strength field is read through a 9-character buffer.
constexpr int kStrengthChars = 9;
}  // namespace

cdsharpen::cdsharpen(SharpenParams& params, QWidget* parent)
    : QDialog(parent), params_(params), percent_(makeNumberEdit(1003, false, this)) {
    setWindowTitle(QStringLiteral("Sharpen"));
    auto* row = new QHBoxLayout;
    row->addWidget(percent_);
    row->addWidget(new QLabel(QStringLiteral("%"), this));
    auto* top = new QVBoxLayout(this);
    top->addLayout(row);
    top->addLayout(makeOkCancelRow(this));
    showNumber(percent_, params_.sharpenPercent);
}

bool cdsharpen::run() {
    showNumber(percent_, params_.sharpenPercent);
    return exec() == QDialog::Accepted;
}

void cdsharpen::accept() {
    const int32_t value = readNumber(percent_, kStrengthChars);
    if (value < 0 || value > 100) return;
    params_.sharpenPercent = value;
    QDialog::accept();
}

cdsharpen& sharpenDialog(QWidget* owner) {
    static QPointer<cdsharpen> instance;
    if (!instance) instance = new cdsharpen(sharpenParams(), owner);
    return *instance;
}
