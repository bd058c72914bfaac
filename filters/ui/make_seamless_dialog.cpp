#include "filters/ui/make_seamless_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPointer>
#include <QVBoxLayout>

#include "ui/dialog_fields.h"
#include "ui/program_settings.h"

namespace {

constexpr const char* kMethodKey = "makeseamlessmethod";
constexpr const char* kAxesKey = "makeseamlessaxes";

const char* const kPeriodicTip =
    "Keeps every fine detail and the sharpness of the picture; only a smooth shading, spread over the whole "
    "picture, evens out the edges. Pick it for photographs and for anything with lines, letters or a clear "
    "structure. A strong light fall-off across the picture comes out flatter.";
const char* const kBlendTip =
    "Keeps the contrast and the colours everywhere by mixing the picture with a copy of itself shifted by half "
    "its size. Pick it for irregular textures such as grass, gravel, sand or clouds, where a second copy of a "
    "stone or a blade does not show; on lines and objects it shows ghost doubles.";
const char* const kAxesTip =
    "Both: the picture tiles in every direction. Horizontal only: the left and right edges meet, for strips, "
    "borders and side-scrolling backgrounds. Vertical only: the top and bottom edges meet.";

int storedChoice(const QSettings& settings, const char* key, int count) {
    bool ok = false;
    const int value = settings.value(key, 0).toInt(&ok);
    return ok && value >= 0 && value < count ? value : 0;
}

}  // namespace

SeamlessOptions storedSeamlessOptions() {
    const QSettings settings(kSettingsOrganization, kSettingsApplication);
    return {SeamlessMethod(storedChoice(settings, kMethodKey, 2)), SeamlessAxes(storedChoice(settings, kAxesKey, 3))};
}

void storeSeamlessOptions(SeamlessOptions options) {
    QSettings settings(kSettingsOrganization, kSettingsApplication);
    settings.setValue(kMethodKey, int(options.method));
    settings.setValue(kAxesKey, int(options.axes));
}

MakeSeamlessDialog::MakeSeamlessDialog(QWidget* parent)
    : QDialog(parent), method_(new QComboBox(this)), axes_(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("Make Seamless"));
    method_->setObjectName(QStringLiteral("method"));
    method_->addItem(QStringLiteral("Periodic (keeps detail)"));
    method_->addItem(QStringLiteral("Blend (keeps contrast)"));
    method_->setItemData(0, QString::fromUtf8(kPeriodicTip), Qt::ToolTipRole);
    method_->setItemData(1, QString::fromUtf8(kBlendTip), Qt::ToolTipRole);
    method_->setToolTip(QStringLiteral("Periodic: %1\n\nBlend: %2").arg(kPeriodicTip, kBlendTip));
    axes_->setObjectName(QStringLiteral("axes"));
    axes_->addItem(QStringLiteral("Both"));
    axes_->addItem(QStringLiteral("Horizontal only"));
    axes_->addItem(QStringLiteral("Vertical only"));
    axes_->setToolTip(QString::fromUtf8(kAxesTip));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Method"), method_);
    form->addRow(QStringLiteral("Axes"), axes_);
    auto* top = new QVBoxLayout(this);
    top->addLayout(form);
    top->addLayout(makeOkCancelRow(this));
}

void MakeSeamlessDialog::show(SeamlessOptions options) {
    method_->setCurrentIndex(int(options.method));
    axes_->setCurrentIndex(int(options.axes));
}

SeamlessOptions MakeSeamlessDialog::options() const {
    return {SeamlessMethod(method_->currentIndex()), SeamlessAxes(axes_->currentIndex())};
}

bool MakeSeamlessDialog::run() {
    show(storedSeamlessOptions());
    if (exec() != QDialog::Accepted) return false;
    storeSeamlessOptions(options());
    return true;
}

MakeSeamlessDialog& makeSeamlessDialog(QWidget* owner) {
    static QPointer<MakeSeamlessDialog> instance;
    if (!instance) instance = new MakeSeamlessDialog(owner);
    return *instance;
}
