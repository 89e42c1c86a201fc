#include "core/app/app_settings.h"

#include "core/platform/profile.h"

namespace voltaro {

AppSettings AppSettings::Load(const CUserProfile& profile) {
    AppSettings settings;
    settings.deviceId = profile.GetInt(kSettingsSection, "DeviceId", 0);
    settings.displayLanguage = profile.GetInt(kSettingsSection, "DisplayLanguage", -1);
    settings.hideIgnoreParameters =
        profile.GetInt(kSettingsSection, "HideIgnoreParameters", 1) != 0;
    settings.recentFiles.Load(profile);
    return settings;
}

void AppSettings::Store(CUserProfile& profile) const {
    profile.SetInt(kSettingsSection, "DeviceId", deviceId);
    profile.SetInt(kSettingsSection, "DisplayLanguage", displayLanguage);
    profile.SetInt(kSettingsSection, "HideIgnoreParameters", hideIgnoreParameters ? 1 : 0);
    recentFiles.Store(profile);
}

int UserDisplayLanguage() {
    return AppSettings::Load(CUserProfile(CUserProfile::DefaultPath())).displayLanguage;
}

bool SaveAppSettings(const AppSettings& settings, const std::string& path) {
    CUserProfile profile(path);
    settings.Store(profile);
    return profile.Save();
}

bool SaveHideIgnoreParameters(bool hide, const std::string& path) {
    CUserProfile profile(path);
    profile.SetInt(kSettingsSection, "HideIgnoreParameters", hide ? 1 : 0);
    return profile.Save();
}

ParameterImage MakeCarryOverImage(CSettingsStocker& stocker, int deviceId) {
    ParameterImage image;
    const bool known = deviceId >= 0 && deviceId < kDeviceTypeCount;
    ChangeDeviceType(stocker, known ? deviceId : 0, image, true);
    return image;
}

int RememberedDeviceId(const ParameterImage& image) {
    const CDeviceType& type = image.deviceType;
    if (type.typeIndex < 0) type.Lookup();
    return type.typeIndex < 0 ? 0 : type.typeIndex;
}

}  // namespace voltaro
