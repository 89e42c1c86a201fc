#include "core/app/main_window_model.h"

#include <algorithm>

#include "core/model/parameter_words.h"
#include "core/model/value_helpers.h"
#include "core/platform/string_table.h"
#include "core/settings/setting_fields.h"

namespace voltaro {

namespace {

struct ButtonRule {
    int id;
    uint32_t features;
    uint32_t families;
};

// Setting buttons and the features or families that enable them.
const ButtonRule kButtonRules[] = {
    {kIdAlarm, FEAT_DISPLAY, FAM_HKT2},
    {kIdTariff, FEAT_DISPLAY, FAM_ZB | FAM_HKT2},
    {kIdOthers, FEAT_DISPLAY, FAM_ZB | FAM_HKT2 | FAM_ZC | FAM_HKT2X},
    {kIdDisplay, FEAT_DISPLAY, 0},
    {kIdExtBar, 0, FAM_KT6},
    {kIdSigmaDisp, 0, FAM_KT6 | FAM_KT2_G2},
    {kIdExpression, 0, FAM_KT2 | FAM_KT6_G2},
    {kIdShortCut, 0, FAM_KT2_G2 | FAM_KT6_G2},
    {kIdPasscode, FEAT_DISPLAY, 0},
    {kIdDi, FEAT_DI1, 0},
    {kIdDoPo, FEAT_DO1, 0},
    {kIdAo, FEAT_AO_4_20MA | FEAT_AO_1_5V, 0},
    {kIdModbus, FEAT_MODBUS | FEAT_MODBUS_MC | FEAT_MODBUS_TCP, 0},
    {kIdCcLink, FEAT_CCLINK, 0},
};

constexpr int kMinCtSecondary = 1, kMaxCtSecondary = 5, kNameCtSecondary = 15152;
constexpr int kMinBarVoltage = 50, kMaxBarVoltage = 400000, kNameBarVoltage = 15601;
constexpr int kMinBarCurrent = 1, kMaxBarCurrent = 20000, kNameBarCurrent = 15600;
constexpr int kMinInterval = 1, kMaxInterval = 60;
constexpr int kNameCurrentInterval = 15250, kNamePowerInterval = 15251;

bool HasVtCtEdits(const CDeviceType& type) {
    return type.HasFeature(FEAT_DISPLAY, FAM_HKT2 | FAM_HKT2X);
}

DemandRowView BuildDemandRow(const CDeviceType& type, uint16_t stored) {
    DemandRowView row;
    const DemandChoices choices = DemandTriggerChoices(type, stored);
    for (int id : choices.textIds)
        row.choices.push_back(LoadString(id));
    row.selected = choices.selected;
    row.intervalText = FormatScaledValue(stored, 1);
    row.intervalEnabled =
        DemandIntervalFromEdit(static_cast<int>(row.choices.size()), row.selected);
    return row;
}

uint16_t ReadDemand(int field, int count, int index, const std::string& text, int nameId) {
    if (!DemandIntervalFromEdit(count, index)) return 0;
    return static_cast<uint16_t>(ReadField(field, text, kMinInterval, kMaxInterval, 1, nameId));
}

// The "System" combo: the type's wiring systems, and a stored system that they leave out
// (a ZC device holds one of the four-wire systems) kept as what it is.
ChoiceList SystemChoices(const ParameterImage& image) {
    const int count = WiringSystemCount(image.deviceType);
    return BoundChoices(ChoiceList::FromStrings(count, kWiringSystemFirstId), image, kWordSystem);
}

bool RowListed(const CModelSelection& selection, int row) {
    for (const ModelListEntry& entry : selection.Entries()) {
        if (entry.row == row) return true;
    }
    return false;
}

}  // namespace

bool IsMultiCircuitType(const CDeviceType& type) {
    return !HasVtCtEdits(type);
}

bool SettingButtonEnabled(int id, const CDeviceType& type) {
    for (const ButtonRule& rule : kButtonRules) {
        if (rule.id != id) continue;
        if (id == kIdExtBar && IsMultiCircuitType(type)) return false;
        return type.HasFeature(rule.features, rule.families);
    }
    return false;
}

const std::vector<int>& SettingButtonIds() {
    static const std::vector<int> ids = [] {
        std::vector<int> result;
        for (const ButtonRule& rule : kButtonRules)
            result.push_back(rule.id);
        return result;
    }();
    return ids;
}

MainWindowView BuildMainWindowView(const ParameterImage& image) {
    const CDeviceType& type = image.deviceType;
    const auto& w = image.words;
    MainWindowView view;
    const ChoiceList systems = SystemChoices(image);
    view.systems = systems.Texts();
    view.systemIndex = systems.IndexOfCode(w[kWordSystem]);
    view.multiCircuit = IsMultiCircuitType(type);
    if (view.multiCircuit) {
        view.vtCtEnabled = false;
        view.barEnabled = false;
        view.dipVisible = true;
        view.dipChecked = w[kWordConfigurationMode] == 0;
        view.systemEnabled = w[kWordConfigurationMode] == 1;
        view.inputPageEnabled = view.systemEnabled;
    } else {
        view.vtCtEnabled = true;
        view.systemEnabled = true;
        view.vtPrimary = FormatScaledValue(image.Get32(kWordPrimaryVoltage), 1);
        view.vtSecondary = FormatScaledValue(w[kWordSecondaryVoltage], 1);
        view.ctPrimary = FormatScaledValue(w[kWordPrimaryCurrent], 1);
        view.ctSecondary = FormatScaledValue(w[kWordSecondaryCurrent], 1);
        view.barEnabled = type.HasFeature(0, FAM_KT2);
        if (view.barEnabled) {
            view.barVoltage = FormatScaledValue(image.Get32(kWordBarVoltage), 1);
            view.barCurrent = FormatScaledValue(w[kWordBarCurrent], 1);
        }
    }
    view.extBarEnabled = SettingButtonEnabled(kIdExtBar, type);
    view.currentDemand = BuildDemandRow(type, w[kWordCurrentDemand]);
    view.powerDemand = BuildDemandRow(type, w[kWordPowerDemand]);
    return view;
}

void ReadMainWindowControls(const MainWindowInput& in, ParameterImage& image) {
    const CDeviceType& type = image.deviceType;
    auto& w = image.words;
    if (const auto system = SystemChoices(image).CodeAt(in.systemIndex))
        w[kWordSystem] = static_cast<uint16_t>(*system);
    if (HasVtCtEdits(type)) {
        image.Set32(kWordPrimaryVoltage,
                    static_cast<uint32_t>(ReadField(kIdVtPrimary, in.vtPrimary, kVtPrimaryRange)));
        w[kWordSecondaryVoltage] =
            static_cast<uint16_t>(ReadField(kIdVtSecondary, in.vtSecondary, kVtSecondaryRange));
        w[kWordPrimaryCurrent] =
            static_cast<uint16_t>(ReadField(kIdCtPrimary, in.ctPrimary, kCtPrimaryRange));
        w[kWordSecondaryCurrent] = static_cast<uint16_t>(ReadField(
            kIdCtSecondary, in.ctSecondary, kMinCtSecondary, kMaxCtSecondary, 1, kNameCtSecondary));
    } else if (in.storeInputPage) {
        in.storeInputPage(image);
    }
    if (type.HasFeature(0, FAM_KT2)) {
        image.Set32(kWordBarVoltage,
                    static_cast<uint32_t>(ReadField(kIdBarVoltage, in.barVoltage, kMinBarVoltage,
                                                    kMaxBarVoltage, 1, kNameBarVoltage)));
        w[kWordBarCurrent] = static_cast<uint16_t>(ReadField(
            kIdBarCurrent, in.barCurrent, kMinBarCurrent, kMaxBarCurrent, 1, kNameBarCurrent));
    }
    w[kWordCurrentDemand] =
        ReadDemand(kIdCurrentDemandInterval, in.currentDemandCount, in.currentDemandIndex,
                   in.currentDemandInterval, kNameCurrentInterval);
    w[kWordPowerDemand] =
        ReadDemand(kIdPowerDemandInterval, in.powerDemandCount, in.powerDemandIndex,
                   in.powerDemandInterval, kNamePowerInterval);
}

CMainWindowModel::CMainWindowModel(const ParameterImage& start) {
    CopyParameterImage(image_, start);
}

MainWindowView CMainWindowModel::Refresh() {
    const CDeviceType& type = image_.deviceType;
    if (type.typeIndex < 0) type.Lookup();
    selection_.SelectFromRow(type.typeIndex);
    return BuildMainWindowView(image_);
}

void CMainWindowModel::ReadControls(const MainWindowInput& input, bool takeModel) {
    if (takeModel) {
        // The combos show the image's row, or the first model when the row has no model
        // entry (a type that can only be identified). Only a different, listed choice
        // replaces the type, so an identified device keeps its exact identity.
        const int row = selection_.SelectedRow();
        CDeviceType& type = image_.deviceType;
        if (type.typeIndex < 0) type.Lookup();
        if (row != type.typeIndex && RowListed(selection_, type.typeIndex)) type.SelectRow(row);
        if (type.typeIndex < 0) type.SelectRow(row);
    }
    ReadMainWindowControls(input, image_);
}

bool CMainWindowModel::SelectModel(Level level, int index, const MainWindowInput& input) {
    bool changed = false;
    switch (level) {
        case Level::Prefix:
            changed = selection_.SelectPrefix(index);
            break;
        case Level::Description:
            changed = selection_.SelectDescription(index);
            break;
        case Level::Version:
            changed = selection_.SelectVersion(index);
            break;
    }
    if (!changed) return false;
    try {
        ReadMainWindowControls(input, image_);
    } catch (...) {
        selection_.SelectFromRow(image_.deviceType.typeIndex);
        throw;
    }
    ChangeDeviceType(stocker_, selection_.SelectedRow(), image_, false);
    return true;
}

void CMainWindowModel::SetDipChecked(bool checked) {
    image_.words[kWordConfigurationMode] = checked ? 0 : 1;
}

}  // namespace voltaro
