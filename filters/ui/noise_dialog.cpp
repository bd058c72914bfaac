#include "filters/ui/noise_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "core/c_integer.h"
#include "ui/dialog_fields.h"

cdfilternoise::cdfilternoise(NoiseParams& params, QWidget* parent)
    : QDialog(parent),
      params_(params),
      monochrome_(makeCheckBox(1036, QStringLiteral("Monochromatique"), this)),
      percent_(makeNumberEdit(1035, true, this)),
      seed_(makeNumberEdit(1037, true, this)) {
    setWindowTitle(QStringLiteral("Filter Noise"));
    auto* grid = new QGridLayout;
    grid->addWidget(monochrome_, 0, 0, 1, 3);
    grid->addWidget(percent_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("%"), this), 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Germe : "), this), 2, 0);
    grid->addWidget(seed_, 2, 1);
    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(makeOkCancelRow(this));
    showParams();
}

void cdfilternoise::showParams() {
    showNumber(percent_, params_.noisePercent);
    showNumber(seed_, params_.seed);
    monochrome_->setChecked(params_.monochrome == 1);
}

bool cdfilternoise::run() {
    showParams();
    return exec() == QDialog::Accepted;
}

void cdfilternoise::accept() {
    params_.seed = readNumber(seed_, kNumberFieldChars);
    params_.noisePercent = lowByte(readNumber(percent_, kNumberFieldChars));
    params_.monochrome = monochrome_->isChecked() ? 1 : 0;
    QDialog::accept();
}

cdfilternoise& noiseDialog(QWidget* owner) {
    static QPointer<cdfilternoise> instance;
    if (!instance) instance = new cdfilternoise(noiseParams(), owner);
    return *instance;
}
