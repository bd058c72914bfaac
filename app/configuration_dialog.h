#pragma once
#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class cdbtncolor;

// "Configuration": connectable mode, the blend colour or none, the "% Mixage" range
// and the anti-aliasing of rotated stamps, edited through ConfigParams.
class CDConfig : public QDialog {
    Q_OBJECT
public:
    explicit CDConfig(QWidget* parent = nullptr);

    // Fills the controls from ConfigParams; call before showing.
    void loadControls();
    void accept() override;

    QCheckBox* connectableBox() const { return connectable_; }
    QCheckBox* noBlendColorBox() const { return noBlendColor_; }
    QLabel* blendColorLabel() const { return blendLabel_; }
    cdbtncolor* swatch() const { return swatch_; }
    QLineEdit* fromField() const { return from_; }
    QLineEdit* toField() const { return to_; }
    QCheckBox* antiAliasBox() const { return antiAlias_; }

private:
    // The swatch and its label only make sense while there is a blend colour.
    void showBlendColor();

    QCheckBox* connectable_;
    QCheckBox* noBlendColor_;
    QLabel* blendLabel_;
    cdbtncolor* swatch_;
    QLineEdit* from_;
    QLineEdit* to_;
    QCheckBox* antiAlias_;
};

// The "Configuration ..." command: copies the live colour and mix range into
// ConfigParams, runs the dialog through `exec`, and on OK hands the values back to
// PaintSettings. Cancel changes nothing.
void runConfigurationCommand(CDConfig& dialog, const std::function<int(QDialog&)>& exec);
