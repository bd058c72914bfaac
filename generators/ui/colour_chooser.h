#pragma once
#include <QColor>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

// Colours travel through the colour commands packed as 0x00BBGGRR (red in the low byte).
uint32_t packedFromQColor(const QColor& colour);
QColor qcolorFromPacked(uint32_t packed);

// Asks the user for a colour; nothing when the chooser was cancelled.
using ColourChooser = std::function<std::optional<uint32_t>(QWidget* parent)>;

// The standard colour dialog, opened without a preselected colour.
std::optional<uint32_t> runStandardColourDialog(QWidget* parent);

// The chooser the colour commands ask. Tests put their own in place; an empty
// function restores the standard dialog. Returns the chooser it replaces.
ColourChooser setColourChooser(ColourChooser chooser);
std::optional<uint32_t> chooseColour(QWidget* parent);
