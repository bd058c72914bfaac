#pragma once
#include <QColor>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

// Colors travel through the color commands packed as 0x00BBGGRR (red in the low byte).
uint32_t packedFromQColor(const QColor& color);
QColor qcolorFromPacked(uint32_t packed);

// Asks the user for a color; nothing when the chooser was cancelled.
using ColorChooser = std::function<std::optional<uint32_t>(QWidget* parent)>;

// The standard color dialog, opened without a preselected color.
std::optional<uint32_t> runStandardColorDialog(QWidget* parent);

// The chooser the color commands ask. Tests put their own in place; an empty
// function restores the standard dialog. Returns the chooser it replaces.
ColorChooser setColorChooser(ColorChooser chooser);
std::optional<uint32_t> chooseColor(QWidget* parent);
