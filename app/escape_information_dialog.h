#pragma once
#include <QDialog>

class QCheckBox;

// "Information !": tells the user that a long run stops with Escape, and lets them
// switch the notice off for good.
class cdechap : public QDialog {
    Q_OBJECT
public:
    explicit cdechap(QWidget* parent = nullptr);

    // Whether to stop showing the information; set by OK from the check box.
    bool dontShowAgain() const { return dontShow_; }
    QCheckBox* dontShowBox() const { return box_; }

    void accept() override;

private:
    QCheckBox* box_;
    bool dontShow_ = false;
};
