#include "tests/support/dialog_controls.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <utility>
#include <vector>

QLineEdit* editOf(QDialog& dialog, int id) {
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("edit%1").arg(id));
    EXPECT_NE(edit, nullptr) << "no edit " << id;
    return edit;
}

QString textOf(QDialog& dialog, int id) {
    QLineEdit* edit = editOf(dialog, id);
    return edit ? edit->text() : QString();
}

void setText(QDialog& dialog, int id, const QString& text) {
    if (QLineEdit* edit = editOf(dialog, id)) edit->setText(text);
}

QCheckBox* checkOf(QDialog& dialog, int id) {
    auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("check%1").arg(id));
    EXPECT_NE(box, nullptr) << "no check box " << id;
    return box;
}

void press(QDialog& dialog, const char* button) {
    auto* b = dialog.findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
}

QStringList formLabels(QDialog& dialog) {
    const bool wasVisible = dialog.isVisible();
    if (!wasVisible) dialog.show();
    QApplication::processEvents();
    std::vector<std::pair<int, QString>> placed;
    for (QFormLayout* form : dialog.findChildren<QFormLayout*>()) {
        for (int row = 0; row < form->rowCount(); ++row) {
            if (QLayoutItem* item = form->itemAt(row, QFormLayout::LabelRole)) {
                if (auto* label = qobject_cast<QLabel*>(item->widget())) {
                    placed.emplace_back(label->mapTo(&dialog, QPoint(0, 0)).y(), label->text());
                }
            }
        }
    }
    if (!wasVisible) dialog.hide();
    std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList labels;
    for (const auto& p : placed) labels << p.second;
    return labels;
}
