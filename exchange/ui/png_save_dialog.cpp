#include "exchange/ui/png_save_dialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QSettings>

#include "ui/program_settings.h"

PngCompression storedPngCompression() {
    QSettings settings(kSettingsOrganization, kSettingsApplication);
    const QString word = settings.value(kPngCompressionKey).toString();
    return pngCompressionFromWord(word.toStdString()).value_or(PngCompression::Fast);
}

void storePngCompression(PngCompression compression) {
    QSettings settings(kSettingsOrganization, kSettingsApplication);
    settings.setValue(kPngCompressionKey, QString::fromLatin1(pngCompressionWord(compression)));
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

    auto* choice = new QComboBox(&dialog);
    choice->addItem(QStringLiteral("Fast"));
    choice->addItem(QStringLiteral("Small"));
    choice->setCurrentIndex(storedPngCompression() == PngCompression::Small ? 1 : 0);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(QStringLiteral("PNG compression:"), &dialog), row, 0);
        grid->addWidget(choice, row, 1);
    }

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    const PngCompression chosen = choice->currentIndex() == 1 ? PngCompression::Small : PngCompression::Fast;
    storePngCompression(chosen);
    pngCompression() = chosen;
    if (selectedFilter) *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().first();
}
