#pragma once
#include <QSettings>

// The program's own per-user settings: window placement and the information flag.
inline constexpr const char* kSettingsOrganization = "Tolvanea";
inline constexpr const char* kSettingsApplication = "KorvintePicture";
inline constexpr const char* kDontShowInformationKey = "dontshowinformation1";
