#include "ui/declared_settings.h"

#include "ui/program_settings.h"

void readDeclaredSettings(const BlockDeclaration& block, void* record) {
    const QSettings settings(kSettingsOrganization, kSettingsApplication);
    for (const FieldDeclaration& f : block.fields) {
        if (!f.settingsKey) continue;
        const QVariant value = settings.value(f.settingsKey);
        bool ok = false;
        int index = f.keptAsWord ? choiceIndex(f, value.toString().toStdString()) : value.toInt(&ok);
        if (!f.keptAsWord && !ok) index = -1;
        if (index >= 0 && index < int(f.choices.size())) f.access.set(record, index);
    }
}

void writeDeclaredSettings(const BlockDeclaration& block, const void* record) {
    QSettings settings(kSettingsOrganization, kSettingsApplication);
    for (const FieldDeclaration& f : block.fields) {
        if (!f.settingsKey) continue;
        const int index = int(f.access.get(record));
        if (f.keptAsWord)
            settings.setValue(f.settingsKey, QString::fromLatin1(f.choices.at(size_t(index)).word));
        else
            settings.setValue(f.settingsKey, index);
    }
}
