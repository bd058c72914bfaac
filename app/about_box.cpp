#include "app/about_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_icon.h"
#include "app/build_stamp.h"

namespace {
QDialogButtonBox* okOnly(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("ok");
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    return buttons;
}
}  // namespace

cfaboutbox::cfaboutbox(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About Box");
    text_ = new QPlainTextEdit(buildTitle(), this);
    text_->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(okOnly(this));
    resize(360, 140);
}

AboutVospren::AboutVospren(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About vospren");
    auto* icon = new QLabel(this);
    icon->setPixmap(appIcon().pixmap(32, 32));
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(new QLabel("vospren, Version 0.4", this));
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(okOnly(this));
}
