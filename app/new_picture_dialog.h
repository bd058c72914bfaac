#pragma once
#include <QDialog>

#include "params/parameter_blocks.h"
#include "ui/declared_fields.h"

class QCheckBox;
class QLineEdit;

// "New Picture": the size of the next blank picture, and the hidden "Bend" box
// that carries connectable mode through the dialog unchanged.
class cdinitimg : public QDialog {
    Q_OBJECT
public:
    explicit cdinitimg(QWidget* parent = nullptr);

    // Fills the controls from the parameter block and PaintSettings; call before showing.
    void loadControls();
    bool endedWithOk() const { return endedWithOk_; }

    QLineEdit* xField() const { return fields_.edit("pictureWidth"); }
    QLineEdit* yField() const { return fields_.edit("pictureHeight"); }
    QCheckBox* bendBox() const { return bend_; }

    void accept() override;
    void reject() override;

private:
    DeclaredFields fields_;
    QCheckBox* bend_;
    bool endedWithOk_ = false;
};
