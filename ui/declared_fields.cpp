#include "ui/declared_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/c_integer.h"
#include "ui/dialog_fields.h"
#include "ui/file_chooser.h"
#include "ui/file_list_widget.h"

namespace {

QString controlName(const FieldDeclaration& f, const char* prefix) {
    if (f.controlId) return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(f.controlId);
    return f.controlName ? QString::fromLatin1(f.controlName) : QString();
}

void name(QWidget* w, const QString& objectName) {
    if (!objectName.isEmpty()) w->setObjectName(objectName);
}

bool typed(FieldKind kind) {
    switch (kind) {
    case FieldKind::Number:
    case FieldKind::Byte:
    case FieldKind::Percentage:
    case FieldKind::Angle:
    case FieldKind::MixLevel:
        return true;
    default:
        return false;
    }
}

// The number a text field holds, as the field reads it.
int64_t readTyped(const FieldDeclaration& f, const QLineEdit* edit) {
    const std::string text = edit->text().left(f.readChars).toStdString();
    if (f.fromText) return f.fromText(text);
    const int32_t value = parseCInteger(text);
    return f.kind == FieldKind::Byte ? lowByte(value) : value;
}

}  // namespace

DeclaredFields::DeclaredFields(QWidget* dialog, ColorMaker color) : dialog_(dialog), color_(std::move(color)) {}

void DeclaredFields::addAll(const BlockDeclaration& block) {
    for (const FieldDeclaration& f : block.fields) {
        const bool made = std::any_of(made_.begin(), made_.end(), [&](const Made& m) { return m.field == &f; });
        if (f.kind != FieldKind::Reserved && !made) add(block, f.name);
    }
}

QWidget* DeclaredFields::add(const BlockDeclaration& block, const char* fieldName,
                             const BlockDeclaration* layoutBlock) {
    const FieldDeclaration& f = fieldNamed(block, fieldName);
    Made made{&block, layoutBlock ? layoutBlock : &block, &f, nullptr};
    const QString tip = f.tooltip ? QString::fromUtf8(f.tooltip) : QString();
    switch (f.kind) {
    case FieldKind::Flag: {
        auto* box = new QCheckBox(QString::fromUtf8(f.label), dialog_);
        name(box, controlName(f, "check"));
        made.control = box;
        break;
    }
    case FieldKind::Color: {
        if (f.noneLabel) {
            made.none = new QCheckBox(QString::fromUtf8(f.noneLabel), dialog_);
            name(made.none, QStringLiteral("check%1").arg(f.noneControlId));
            made.none->setToolTip(tip);
        }
        if (f.label) {
            made.label = new QLabel(QString::fromUtf8(f.label), dialog_);
            made.label->setToolTip(tip);
        }
        made.control = color_(dialog_);
        name(made.control, controlName(f, "color"));
        made.control->setProperty("color", QVariant::fromValue(uint32_t(0x00FFFFFF)));
        if (made.none) {
            QCheckBox* none = made.none;
            QWidget* swatch = made.control;
            QLabel* label = made.label;
            QObject::connect(none, &QCheckBox::clicked, dialog_, [none, swatch, label] {
                swatch->setVisible(!none->isChecked());
                if (label) label->setVisible(!none->isChecked());
            });
        }
        break;
    }
    case FieldKind::FileList:
        made.control = new FileListWidget(FileListRule{f.addToList, f.listOrder}, pictureFileFilter(), dialog_);
        name(made.control, controlName(f, "list"));
        break;
    case FieldKind::InsertCombo:
    case FieldKind::Choice: {
        auto* combo = new QComboBox(dialog_);
        name(combo, controlName(f, "combo"));
        for (const ChoiceDeclaration& choice : f.choices) {
            combo->addItem(QString::fromUtf8(choice.label ? choice.label : choice.word));
            if (choice.tooltip)
                combo->setItemData(combo->count() - 1, QString::fromUtf8(choice.tooltip), Qt::ToolTipRole);
        }
        made.control = combo;
        break;
    }
    case FieldKind::Text: {
        auto* edit = new QLineEdit(dialog_);
        name(edit, controlName(f, "edit"));
        made.control = edit;
        break;
    }
    case FieldKind::Reserved:
        std::abort();  // nothing to show: a fault of the dialog asking for it
    default: {
        QLineEdit* edit = f.digitsOnly ? makeDigitsEdit(dialog_) : new QLineEdit(dialog_);
        name(edit, controlName(f, "edit"));
        made.control = edit;
        break;
    }
    }
    made.control->setToolTip(tip);
    made_.push_back(made);
    return made.control;
}

const DeclaredFields::Made* DeclaredFields::find(const char* fieldName) const {
    for (const Made& m : made_)
        if (std::strcmp(m.field->name, fieldName) == 0) return &m;
    std::abort();  // a field the dialog never made: a fault of the dialog
}

QWidget* DeclaredFields::control(const char* fieldName) const { return find(fieldName)->control; }
QLineEdit* DeclaredFields::edit(const char* fieldName) const { return qobject_cast<QLineEdit*>(control(fieldName)); }
QCheckBox* DeclaredFields::check(const char* fieldName) const { return qobject_cast<QCheckBox*>(control(fieldName)); }
FileListWidget* DeclaredFields::fileList(const char* fieldName) const {
    return qobject_cast<FileListWidget*>(control(fieldName));
}
QCheckBox* DeclaredFields::noneBox(const char* fieldName) const { return find(fieldName)->none; }
QLabel* DeclaredFields::colorLabel(const char* fieldName) const { return find(fieldName)->label; }

QLabel* DeclaredFields::label(const char* fieldName) const {
    const FieldDeclaration& f = *find(fieldName)->field;
    auto* label = new QLabel(QString::fromUtf8(f.label), dialog_);
    if (f.tooltip) label->setToolTip(QString::fromUtf8(f.tooltip));
    return label;
}

QString DeclaredFields::title(const BlockDeclaration& block, int section) {
    return QString::fromUtf8(block.sections.at(size_t(section)));
}

bool DeclaredFields::laidOutIn(const Made& made, const BlockDeclaration& block, int section) const {
    return made.layoutBlock == &block && made.field->section == section;
}

QFormLayout* DeclaredFields::form(const BlockDeclaration& block, int section) const {
    auto* form = new QFormLayout;
    for (const Made& m : made_) {
        if (!laidOutIn(m, block, section)) continue;
        const FieldKind kind = m.field->kind;
        if (!typed(kind) && kind != FieldKind::Flag && kind != FieldKind::Choice) continue;
        if (m.field->kind == FieldKind::Flag) {
            form->addRow(QString(), m.control);
            continue;
        }
        form->addRow(QString::fromUtf8(m.field->label), m.control);
        if (QWidget* label = form->labelForField(m.control)) label->setToolTip(m.control->toolTip());
    }
    return form;
}

QGridLayout* DeclaredFields::grid(const BlockDeclaration& block, int section) const {
    auto* grid = new QGridLayout;
    for (const Made& m : made_) {
        if (!laidOutIn(m, block, section)) continue;
        const GridPlace& at = m.field->place;
        if (m.field->kind == FieldKind::Color) {
            int row = at.row;
            if (m.none) grid->addWidget(m.none, row++, at.column, 1, at.span);
            auto* line = new QHBoxLayout;
            if (m.label) line->addWidget(m.label);
            line->addWidget(m.control);
            line->addStretch();
            grid->addLayout(line, row, at.column, 1, at.span);
            continue;
        }
        if (at.labelColumn >= 0) grid->addWidget(label(m.field->name), at.row, at.labelColumn);
        grid->addWidget(m.control, at.row, at.column, 1, at.span);
    }
    return grid;
}

QLayout* DeclaredFields::section(const BlockDeclaration& block, int section) const {
    for (const Made& m : made_)
        if (laidOutIn(m, block, section) && m.field->place.row >= 0) return grid(block, section);
    return form(block, section);
}

QGroupBox* DeclaredFields::group(const BlockDeclaration& block, int section) const {
    auto* box = new QGroupBox(title(block, section), dialog_);
    box->setLayout(this->section(block, section));
    return box;
}

void DeclaredFields::showColor(const Made& made, uint32_t value) const {
    const uint32_t none = made.field->noneValue;
    // "No color" is a state of the box, not a color: the swatch keeps the last real
    // color so that unchecking the box brings it back.
    if (!made.none || value != none) made.control->setProperty("color", QVariant::fromValue(value));
    if (!made.none) return;
    made.none->setChecked(value == none);
    made.control->setVisible(value != none);
    if (made.label) made.label->setVisible(value != none);
}

void DeclaredFields::show(const BlockDeclaration& block, const void* record) const {
    for (const Made& m : made_) {
        if (m.block != &block) continue;
        const FieldDeclaration& f = *m.field;
        if (typed(f.kind)) {
            const int64_t value = f.access.get(record);
            static_cast<QLineEdit*>(m.control)->setText(QString::number(f.shownNumber ? f.shownNumber(value) : value));
        } else if (f.kind == FieldKind::Flag) {
            const int64_t value = f.access.get(record);
            static_cast<QCheckBox*>(m.control)->setChecked(f.checkedOnlyAtOne ? value == 1 : value != 0);
        } else if (f.kind == FieldKind::Color) {
            showColor(m, uint32_t(f.access.get(record)));
        } else if (f.kind == FieldKind::FileList) {
            static_cast<FileListWidget*>(m.control)->setEntries(*f.access.list(const_cast<void*>(record)));
        } else if (f.kind == FieldKind::Text) {
            static_cast<QLineEdit*>(m.control)->setText(pathToQt(f.textOf(record)));
        } else if (f.kind == FieldKind::Choice) {
            static_cast<QComboBox*>(m.control)->setCurrentIndex(int(f.access.get(record)));
        } else if (f.kind == FieldKind::InsertCombo) {
            auto* combo = static_cast<QComboBox*>(m.control);
            combo->clear();
            for (const std::string& entry : f.entriesShown(*f.access.list(const_cast<void*>(record))))
                combo->addItem(pathToQt(entry), entry == f.browseEntry ? kBrowseEntry : kFileEntry);
        }
    }
}

bool DeclaredFields::store(const BlockDeclaration& block, void* record) const {
    for (const Made& m : made_) {
        if (m.block != &block || m.field->kind != FieldKind::Percentage) continue;
        const int64_t value = readTyped(*m.field, static_cast<QLineEdit*>(m.control));
        if (value < 0 || value > 100) return false;
    }
    for (const Made& m : made_) {
        if (m.block != &block) continue;
        const FieldDeclaration& f = *m.field;
        if (typed(f.kind)) {
            f.access.set(record, readTyped(f, static_cast<QLineEdit*>(m.control)));
        } else if (f.kind == FieldKind::Flag) {
            f.access.set(record, static_cast<QCheckBox*>(m.control)->isChecked() ? 1 : 0);
        } else if (f.kind == FieldKind::Color) {
            const bool none = m.none && m.none->isChecked();
            f.access.set(record, none ? f.noneValue : m.control->property("color").value<uint32_t>());
        } else if (f.kind == FieldKind::FileList) {
            *f.access.list(record) = static_cast<FileListWidget*>(m.control)->entries();
        } else if (f.kind == FieldKind::Text) {
            f.storeText(record, pathFromQt(static_cast<QLineEdit*>(m.control)->text()));
        } else if (f.kind == FieldKind::Choice) {
            f.access.set(record, static_cast<QComboBox*>(m.control)->currentIndex());
        } else if (f.kind == FieldKind::InsertCombo) {
            const auto* combo = static_cast<QComboBox*>(m.control);
            std::vector<std::string>& list = *f.access.list(record);
            list.clear();
            for (int i = 0; i < combo->count(); ++i) list.push_back(pathFromQt(combo->itemText(i)));
        }
    }
    return true;
}
