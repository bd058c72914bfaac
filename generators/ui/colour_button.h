#pragma once
#include <QPushButton>
#include <cstdint>

#include "generators/ui/colour_chooser.h"

class QColorDialog;

// A push button that shows a colour and lets the user change it: painted as one
// solid swatch, no text, no frame. A click opens the button's own colour dialog
// (it lives as long as the button); OK takes the chosen colour, Cancel keeps the old.
class cdbtncolor : public QPushButton {
    Q_OBJECT
    // The colour, for the dialogs' declared fields.
    Q_PROPERTY(uint color READ color WRITE setColor)
public:
    explicit cdbtncolor(QWidget* parent = nullptr);

    // 0x00BBGGRR.
    uint32_t color() const { return color_; }
    void setColor(uint32_t packed);

    // Replaces the button's own dialog (tests); an empty function brings it back.
    void setChooser(ColourChooser chooser) { chooser_ = std::move(chooser); }

    QSize sizeHint() const override;

signals:
    // Only when the user picked a colour through the button.
    void colorChosen(uint32_t packed);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void choose();
    std::optional<uint32_t> runOwnDialog();

    uint32_t color_ = 0;
    ColourChooser chooser_;
    QColorDialog* dialog_ = nullptr;
};
