#pragma once
#include <QSettings>

// The program's own per-user settings (window placement, the information flag and the
// options of our own), shared by the shell and the feature dialogs.
inline constexpr const char* kSettingsOrganization = "Tolvanea";
inline constexpr const char* kSettingsApplication = "KorvintePicture";
inline constexpr const char* kDontShowInformationKey = "dontshowinformation1";
// The undo history's bounds: a number of steps and a size in MiB (20 and 1024 unless set).
inline constexpr const char* kUndoStepsKey = "undoSteps";
inline constexpr const char* kUndoMegabytesKey = "undoMegabytes";
