#include "app/configuration_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/paint_settings.h"
#include "generators/ui/color_button.h"
#include "params/declarations.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_fields.h"

CDConfig::CDConfig(QWidget* parent)
    : QDialog(parent), fields_(this, [](QWidget* parent) -> QWidget* { return new cdbtncolor(parent); }) {
    setWindowTitle("Configuration");
    const BlockDeclaration& settings = paintSettingsDeclaration();
    const BlockDeclaration& config = configurationDeclaration();
    connectable_ = static_cast<QCheckBox*>(fields_.add(settings, "connectable"));
    swatch_ = static_cast<cdbtncolor*>(fields_.add(config, "configBlendColor"));
    noBlendColor_ = fields_.noneBox("configBlendColor");
    blendLabel_ = fields_.colorLabel("configBlendColor");
    from_ = static_cast<QLineEdit*>(fields_.add(config, "configMixFrom"));
    to_ = static_cast<QLineEdit*>(fields_.add(config, "configMixTo"));
    antiAlias_ = static_cast<QCheckBox*>(fields_.add(settings, "rotationAntiAlias"));

    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(blendLabel_);
    colorRow->addWidget(swatch_);
    colorRow->addStretch();

    QGroupBox* mix = fields_.group(config, 1);
    auto* tools = new QGroupBox(DeclaredFields::title(config, 2), this);
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
    layout->addLayout(colorRow);
    layout->addWidget(mix);
    layout->addWidget(tools);
    layout->addWidget(buttons);
}

void CDConfig::loadControls() {
    fields_.show(configurationDeclaration(), &configParams());
    fields_.show(paintSettingsDeclaration(), &paintSettings());
}

void CDConfig::accept() {
    fields_.store(configurationDeclaration(), &configParams());
    fields_.store(paintSettingsDeclaration(), &paintSettings());
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
