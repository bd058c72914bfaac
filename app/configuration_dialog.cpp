#include "app/configuration_dialog.h"

#include <QGroupBox>
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
    // The two flags live in PaintSettings; the dialog shows them among its own fields.
    fields_.add(settings, "connectable", &config);
    fields_.addAll(config);
    fields_.add(settings, "rotationAntiAlias", &config);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields_.section(config, 0));
    layout->addWidget(fields_.group(config, 1));
    layout->addWidget(fields_.group(config, 2));
    layout->addWidget(makeOkCancelBox(this));
}

cdbtncolor* CDConfig::swatch() const { return static_cast<cdbtncolor*>(fields_.control("configBlendColor")); }

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
