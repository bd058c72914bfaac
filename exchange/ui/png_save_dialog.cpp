#include "exchange/ui/png_save_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

#include "params/declarations.h"
#include "ui/declared_fields.h"
#include "ui/declared_settings.h"

PngCompression storedPngCompression() {
    PngCompression compression = PngCompression::Fast;
    readDeclaredSettings(pngCompressionDeclaration(), &compression);
    return compression;
}

void storePngCompression(PngCompression compression) {
    writeDeclaredSettings(pngCompressionDeclaration(), &compression);
}

QString getSaveFileNameWithPngOption(QWidget* parent, const QString& path, const QString& filter,
                                     QString* selectedFilter) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog, so that the option can sit in its layout.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(filter);
    if (selectedFilter && !selectedFilter->isEmpty()) dialog.selectNameFilter(*selectedFilter);
    if (!path.isEmpty()) {
        const QFileInfo info(path);
        if (info.isDir()) {
            dialog.setDirectory(path);
        } else {
            dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
    }

    const BlockDeclaration& block = pngCompressionDeclaration();
    DeclaredFields fields(&dialog);
    QWidget* choice = fields.add(block, "compression");
    PngCompression chosen = storedPngCompression();
    fields.show(block, &chosen);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(fields.label("compression"), row, 0);
        grid->addWidget(choice, row, 1);
    }

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    fields.store(block, &chosen);
    storePngCompression(chosen);
    pngCompression() = chosen;
    if (selectedFilter) *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().first();
}
