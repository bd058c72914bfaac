#pragma once
#include "generators/polygon_generator.h"
#include "ui/declared_dialog.h"

// "Polygone": vertex distance and angle-step ranges, the number of polygons, fill or outline.
class CTPoly : public DeclaredDialog {
    Q_OBJECT
public:
    // Edits `params`, which outlives the dialog. run() shows the fields and runs
    // modally; OK stores them (true for OK).
    explicit CTPoly(PolygonParams& params, QWidget* parent = nullptr);
};

// The run's single dialog instance, made on first use and owned by `owner`.
CTPoly& polygonDialog(QWidget* owner);
