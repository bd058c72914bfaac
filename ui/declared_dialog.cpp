#include "ui/declared_dialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include <algorithm>

#include "core/interaction.h"
#include "ui/dialog_fields.h"
#include "ui/file_list_widget.h"

DeclaredDialog::DeclaredDialog(const BlockDeclaration& block, void* record, QWidget* parent)
    : QDialog(parent), block_(block), record_(record), fields_(this) {}

void DeclaredDialog::layOut() {
    auto* top = new QVBoxLayout(this);
    for (size_t s = 0; s < std::max<size_t>(block_.sections.size(), 1); ++s) {
        if (s < block_.sections.size() && *block_.sections[s])
            top->addWidget(fields_.group(block_, int(s)));
        else
            top->addLayout(fields_.section(block_, int(s)));
    }
    top->addLayout(makeOkCancelRow(this));
}

void DeclaredDialog::fill() { fields_.show(block_, record_); }

bool DeclaredDialog::run() {
    fill();
    if (focusField_) focusFirstField(fields_.edit(focusField_));
    return exec() == QDialog::Accepted;
}

void DeclaredDialog::showCheckMessage(const char* text) {
    if (messageSink_) {
        messageSink_(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kMainCaption), QString::fromLatin1(text),
                    QMessageBox::Ok, this);
    box.exec();
}

void DeclaredDialog::accept() {
    for (const FieldDeclaration& f : block_.fields) {
        if (f.kind != FieldKind::FileList) continue;
        std::vector<std::string>& list = *f.access.list(record_);
        list = fields_.fileList(f.name)->entries();
        if (list.empty()) return;
    }
    if (!fields_.store(block_, record_)) return;
    if (block_.check) {
        const CheckResult problem = block_.check(record_);
        if (problem.message) {
            if (block_.afterFailedCheck) block_.afterFailedCheck(record_);
            showCheckMessage(problem.message);
            return;
        }
    }
    QDialog::accept();
}
