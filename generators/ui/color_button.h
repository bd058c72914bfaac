#pragma once
#include <QPushButton>
#include <cstdint>

#include "generators/ui/color_chooser.h"

class QColorDialog;

// A push button that shows a color and lets the user change it: painted as one
// solid swatch, no text, no frame. A click opens the button's own color dialog
// (it lives as long as the button); OK takes the chosen color, Cancel keeps the old.
class cdbtncolor : public QPushButton {
    Q_OBJECT
    // The color, for the dialogs' declared fields.
    Q_PROPERTY(uint color READ color WRITE setColor)
public:
    explicit cdbtncolor(QWidget* parent = nullptr);

    // 0x00BBGGRR.
    uint32_t color() const { return color_; }
    void setColor(uint32_t packed);

    // Replaces the button's own dialog (tests); an empty function brings it back.
    void setChooser(ColorChooser chooser) { chooser_ = std::move(chooser); }

    QSize sizeHint() const override;

signals:
    // Only when the user picked a color through the button.
    void colorChosen(uint32_t packed);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void choose();
    std::optional<uint32_t> runOwnDialog();

    uint32_t color_ = 0;
    ColorChooser chooser_;
    QColorDialog* dialog_ = nullptr;
};
