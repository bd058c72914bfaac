#pragma once
#include <QDialog>

#include <functional>

#include "ui/declared_fields.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class cdbtncolor;

// "Configuration": connectable mode, the blend color or none, the "% Mixage" range
// and the anti-aliasing of rotated stamps. The color and the range are edited
// through ConfigParams, the two flags straight in PaintSettings.
class CDConfig : public QDialog {
    Q_OBJECT
public:
    explicit CDConfig(QWidget* parent = nullptr);

    // Fills the controls from ConfigParams and the flags of PaintSettings; call before showing.
    void loadControls();
    void accept() override;

    QCheckBox* connectableBox() const { return fields_.check("connectable"); }
    QCheckBox* noBlendColorBox() const { return fields_.noneBox("configBlendColor"); }
    QLabel* blendColorLabel() const { return fields_.colorLabel("configBlendColor"); }
    cdbtncolor* swatch() const;
    QLineEdit* fromField() const { return fields_.edit("configMixFrom"); }
    QLineEdit* toField() const { return fields_.edit("configMixTo"); }
    QCheckBox* antiAliasBox() const { return fields_.check("rotationAntiAlias"); }

private:
    DeclaredFields fields_;
};

// The "Configuration ..." command: copies the live color and mix range into
// ConfigParams, runs the dialog through `exec`, and on OK hands the values back to
// PaintSettings. Cancel changes nothing.
void runConfigurationCommand(CDConfig& dialog, const std::function<int(QDialog&)>& exec);
