#pragma once
#include <QDialog>

#include <functional>
#include <string>

#include "compositing/circle_mix_params.h"

class FileListWidget;
class QCheckBox;
class QLabel;
class QLineEdit;

// The parameters of "Circle Mix" / "V1": mix and radius ranges, the number of discs,
// rotation and plugging, the source files and the opaque radius percentages.
class cdmixcircle : public QDialog {
    Q_OBJECT
public:
    // Edits `params`, which outlives the dialog.
    explicit cdmixcircle(CircleMixParams& params, QWidget* parent = nullptr);

    // Shows the block and runs modally. True for OK.
    bool run();
    void fill();

    // OK: the file list is stored at once (an empty list keeps the dialog open), then
    // every field; opaque percentages outside 0..100, or a minimum above the maximum,
    // are both set to 0 with a message and the dialog stays open.
    void accept() override;

    FileListWidget* files() const { return files_; }
    // How the two messages are shown (tests record them instead of a message box).
    void setMessageSink(std::function<void(const std::string&)> sink) { messageSink_ = std::move(sink); }

private:
    void showError(const char* text);

    CircleMixParams& params_;
    QLineEdit* mixMin_;
    QLineEdit* mixMax_;
    QLineEdit* radiusMin_;
    QLineEdit* radiusMax_;
    QLineEdit* count_;
    QCheckBox* rotation_;
    QCheckBox* plug_;
    QLabel* hint_;
    FileListWidget* files_;
    QLineEdit* opaqueMin_;
    QLineEdit* opaqueMax_;
    std::function<void(const std::string&)> messageSink_;
};

inline constexpr const char* kOpaqueRangeMessage = "Opaque radius percent should have value between 0..100";
inline constexpr const char* kOpaqueOrderMessage =
    "Opaque radius percent minimum should be above value opaque radius maximum";

// The run's single dialog instance, made on first use and owned by `owner`.
cdmixcircle& circleMixDialog(QWidget* owner);
