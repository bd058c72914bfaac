#include "app/escape_information.h"

#include "app/escape_information_dialog.h"
#include "ui/program_settings.h"

void showEscapeInformation(QWidget* parent, const std::function<int(QDialog&)>& exec) {
    QSettings settings(kSettingsOrganization, kSettingsApplication);
    if (settings.value(kDontShowInformationKey, 0).toInt() == 1) return;
    cdechap dialog(parent);
    const bool ok = exec(dialog) == QDialog::Accepted;
    // Only OK takes the box's state; any other way of closing leaves the flag off.
    settings.setValue(kDontShowInformationKey, ok && dialog.dontShowAgain() ? 1 : 0);
}
