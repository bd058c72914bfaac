#pragma once
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>
#include <vector>

// Finding and working the controls of a parameter dialog by their names.

inline QLineEdit* editOf(QDialog& dialog, int id) {
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("edit%1").arg(id));
    EXPECT_NE(edit, nullptr) << "no edit " << id;
    return edit;
}

inline QString textOf(QDialog& dialog, int id) {
    QLineEdit* edit = editOf(dialog, id);
    return edit ? edit->text() : QString();
}

inline void setText(QDialog& dialog, int id, const QString& text) {
    if (QLineEdit* edit = editOf(dialog, id)) edit->setText(text);
}

inline QCheckBox* checkOf(QDialog& dialog, int id) {
    auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("check%1").arg(id));
    EXPECT_NE(box, nullptr) << "no check box " << id;
    return box;
}

inline void press(QDialog& dialog, const char* button) {
    auto* b = dialog.findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
}

// The label texts of every form row in the dialog, top to bottom as laid out.
inline QStringList formLabels(QDialog& dialog) {
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
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList labels;
    for (const auto& p : placed) labels << p.second;
    return labels;
}

// Readable failures for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
