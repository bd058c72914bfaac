#include "app/configuration_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/c_integer.h"
#include "core/paint_settings.h"
#include "generators/ui/colour_button.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_fields.h"

CDConfig::CDConfig(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Configuration");
    connectable_ = new QCheckBox("Connectable", this);
    connectable_->setObjectName("check1014");
    noBlendColor_ = new QCheckBox("No blend color", this);
    noBlendColor_->setObjectName("check1038");
    blendLabel_ = new QLabel("BlendColor : ", this);
    swatch_ = new cdbtncolor(this);
    swatch_->setObjectName("color1012");
    swatch_->setColor(0x00FFFFFF);
    from_ = makeDigitsEdit(this);
    from_->setObjectName("edit1039");
    to_ = makeDigitsEdit(this);
    to_->setObjectName("edit1040");
    antiAlias_ = new QCheckBox("Rotation Anti Alias (Fast Speed if unchecked)", this);
    antiAlias_->setObjectName("check1053");

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(blendLabel_);
    colourRow->addWidget(swatch_);
    colourRow->addStretch();

    auto* mix = new QGroupBox("% Mixage", this);
    auto* mixForm = new QFormLayout(mix);
    mixForm->addRow("From : ", from_);
    mixForm->addRow("To : ", to_);

    auto* tools = new QGroupBox("Tools", this);
    auto* toolsLayout = new QVBoxLayout(tools);
    toolsLayout->addWidget(antiAlias_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("ok");
    ok->setDefault(true);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole)->setObjectName("cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(connectable_);
    layout->addWidget(noBlendColor_);
    layout->addLayout(colourRow);
    layout->addWidget(mix);
    layout->addWidget(tools);
    layout->addWidget(buttons);

    connect(noBlendColor_, &QCheckBox::clicked, this, [this] { showBlendColor(); });
}

void CDConfig::loadControls() {
    const ConfigParams& p = configParams();
    // "No blend color" is a state of the box, not a colour: the swatch keeps the last
    // real colour so that unchecking the box brings that colour back.
    if (p.configBlendColor != PaintSettings::kNoBlendColor) swatch_->setColor(p.configBlendColor);
    connectable_->setChecked(p.connectable != 0);
    from_->setText(QString::number(p.configMixFrom));
    to_->setText(QString::number(p.configMixTo));
    noBlendColor_->setChecked(p.configBlendColor == PaintSettings::kNoBlendColor);
    antiAlias_->setChecked(p.rotationAntiAlias != 0);
    showBlendColor();
}

void CDConfig::showBlendColor() {
    const bool visible = !noBlendColor_->isChecked();
    blendLabel_->setVisible(visible);
    swatch_->setVisible(visible);
}

void CDConfig::accept() {
    ConfigParams& p = configParams();
    p.configMixFrom = lowByte(readNumber(from_, kByteFieldChars));
    p.configMixTo = lowByte(readNumber(to_, kByteFieldChars));
    p.connectable = connectable_->isChecked() ? 1 : 0;
    p.configBlendColor = noBlendColor_->isChecked() ? PaintSettings::kNoBlendColor : swatch_->color();
    p.rotationAntiAlias = antiAlias_->isChecked() ? 1 : 0;
    // The two flags are the live settings themselves.
    PaintSettings& s = paintSettings();
    s.connectable = p.connectable;
    s.rotationAntiAlias = p.rotationAntiAlias;
    QDialog::accept();
}

void runConfigurationCommand(CDConfig& dialog, const std::function<int(QDialog&)>& exec) {
    takePaintSettingsIntoConfigParams();
    const ConfigParams& p = configParams();
    PaintSettings& s = paintSettings();
    dialog.loadControls();
    if (exec(dialog) != QDialog::Accepted) return;
    s.blendColor = p.configBlendColor;
    s.mixFromPercent = p.configMixFrom;
    s.mixToPercent = p.configMixTo;
}
