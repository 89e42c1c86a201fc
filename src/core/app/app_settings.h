#pragma once
// The program's own settings (profile section "Settings") and the carry-over image that
// keeps the main window's parameter image between two runs of the window.
#include <string>

#include "core/app/recent_files.h"
#include "core/model/parameter_image.h"
#include "core/model/settings_stocker.h"

namespace voltaro {

class CUserProfile;

constexpr const char* kSettingsSection = "Settings";

struct AppSettings {
    int deviceId = 0;                  // "DeviceId": table row selected when the program closed
    int displayLanguage = -1;          // "DisplayLanguage": -1 chooses by the locale
    bool hideIgnoreParameters = true;  // "HideIgnoreParameters"
    CRecentFiles recentFiles;          // "RecentFile1" ... and "LastFolder"

    static AppSettings Load(const CUserProfile& profile);
    // Writes the keys into the profile; the caller saves the profile.
    void Store(CUserProfile& profile) const;
};

// "DisplayLanguage" of the user's profile (CUserProfile::DefaultPath()): the language the
// desktop program starts in, -1 when it follows the locale. The command-line programs
// show their texts in the same language.
int UserDisplayLanguage();

// Writes the keys into the profile file at path, re-reading it first so that what
// other parts of the program saved meanwhile (the connection settings) is kept.
bool SaveAppSettings(const AppSettings& settings, const std::string& path);
// The same for the "HideIgnoreParameters" key alone (the report stores it at once).
bool SaveHideIgnoreParameters(bool hide, const std::string& path);

// The image the first main window starts from: a default image changed to the
// remembered row with fresh defaults. A row that the table does not carry leaves row 0.
ParameterImage MakeCarryOverImage(CSettingsStocker& stocker, int deviceId);

// "DeviceId" to remember for an image: its row, 0 when it has none.
int RememberedDeviceId(const ParameterImage& image);

}  // namespace voltaro
