#include "app/recovery_offer.h"

#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>

#include <filesystem>
#include <system_error>

#include "app/recovery_files.h"
#include "app/recovery_image.h"
#include "core/interaction.h"

std::string recoveryQuestion(const std::string& when) {
    return "vospren ended without saving your work.\nThe picture kept at " + when + " can be restored.";
}

std::string unreadableRecoveryText(const std::string& path, const std::string& problem, const std::string& aside) {
    std::string text = "The recovery file " + path + " cannot be read (" + problem + ").";
    if (aside.empty()) return text + "\nIt has been removed.";
    return text + "\nIt has been moved to " + aside + ".";
}

PicturePtr offerRecovery(const std::string& directory, long self, const std::string& ownPath,
                         const RecoveryPrompt& prompt) {
    if (directory.empty()) return nullptr;
    for (OrphanedRecovery& orphan : claimOrphanedRecoveries(directory, self)) {
        std::string problem;
        PicturePtr picture = readRecoveryPicture(orphan.picturePath, &problem);
        if (!picture) {
            const std::string aside = moveRecoveryAside(orphan.picturePath);
            if (prompt.tell) prompt.tell(unreadableRecoveryText(orphan.picturePath, problem, aside));
            orphan.lock.releaseAndRemove();
            continue;
        }
        const std::string when =
            QDateTime::fromSecsSinceEpoch(orphan.modified).toString("yyyy-MM-dd HH:mm:ss").toStdString();
        std::error_code ec;
        if (prompt.askRestore && prompt.askRestore(when)) {
            if (orphan.picturePath != ownPath) std::filesystem::rename(orphan.picturePath, ownPath, ec);
            orphan.lock.releaseAndRemove();
            return picture;
        }
        std::filesystem::remove(orphan.picturePath, ec);
        orphan.lock.releaseAndRemove();
    }
    return nullptr;
}

RecoveryPrompt messageBoxRecoveryPrompt() {
    RecoveryPrompt prompt;
    prompt.askRestore = [](const std::string& when) {
        QMessageBox box(QMessageBox::Question, kMainCaption, QString::fromStdString(recoveryQuestion(when)));
        QPushButton* restore = box.addButton(QStringLiteral("Restore"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Discard);
        box.setDefaultButton(restore);
        box.exec();
        return box.clickedButton() == restore;
    };
    prompt.tell = [](const std::string& text) {
        QMessageBox box(QMessageBox::Warning, kMainCaption, QString::fromStdString(text), QMessageBox::Ok);
        box.exec();
    };
    return prompt;
}
