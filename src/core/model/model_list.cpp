#include "core/model/model_list.h"

#include <algorithm>

#include "core/model/value_helpers.h"
#include "core/platform/string_table.h"

namespace voltaro {

ModelListEntry SplitModelString(const std::string& text, uint16_t row) {
    ModelListEntry entry;
    entry.row = row;
    // A separator counts only after the first character of its part.
    std::size_t bar = text.find('|', 1);
    if (text.empty() || bar == std::string::npos) {
        entry.prefix = text;
        return entry;
    }
    entry.prefix = text.substr(0, bar);
    std::string rest = text.substr(bar + 1);
    std::size_t second = rest.empty() ? std::string::npos : rest.find('|', 1);
    if (second == std::string::npos) {
        entry.description = rest;
    } else {
        entry.description = rest.substr(0, second);
        entry.note = rest.substr(second + 1);
    }
    return entry;
}

std::vector<ModelListEntry> LoadModelList() {
    std::vector<ModelListEntry> list;
    for (const ModelPair& pair : ModelPairTable()) {
        list.push_back(SplitModelString(LoadString(kModelStringBase + pair.modelOffset),
                                        static_cast<uint16_t>(pair.row)));
    }
    return list;
}

std::string ModelDisplayText(const CDeviceType& type) {
    const DeviceTypeRecord* record = type.Record();
    if (!record || record->modelOffset < 0) return {};
    const ModelListEntry entry = SplitModelString(
        LoadString(kModelStringBase + record->modelOffset), static_cast<uint16_t>(record->index));
    std::string text = entry.prefix + entry.description;
    if (!entry.note.empty()) text += " " + entry.note;
    return text;
}

CModelSelection::CModelSelection(std::vector<ModelListEntry> entries)
    : entries_(std::move(entries)) {
    Normalise();
}

std::vector<std::string> CModelSelection::Prefixes() const {
    std::vector<std::string> list;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (i == 0 || entries_[i].prefix != entries_[i - 1].prefix) {
            list.push_back(entries_[i].prefix);
        }
    }
    return list;
}

std::vector<std::string> CModelSelection::Descriptions() const {
    std::vector<std::string> list;
    for (const ModelListEntry& e : entries_) {
        if (e.prefix != prefix_) continue;
        if (list.empty() || list.back() != e.description) list.push_back(e.description);
    }
    return list;
}

std::vector<std::string> CModelSelection::VersionNotes() const {
    std::vector<std::string> list;
    for (const ModelListEntry& e : entries_) {
        if (e.prefix == prefix_ && e.description == description_ && !e.note.empty()) {
            list.push_back(e.note);
        }
    }
    return list;
}

namespace {
int IndexOf(const std::vector<std::string>& list, const std::string& text) {
    auto it = std::find(list.begin(), list.end(), text);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}
}  // namespace

int CModelSelection::PrefixIndex() const {
    return IndexOf(Prefixes(), prefix_);
}
int CModelSelection::DescriptionIndex() const {
    return IndexOf(Descriptions(), description_);
}
int CModelSelection::VersionIndex() const {
    return IndexOf(VersionNotes(), note_);
}

void CModelSelection::Normalise() {
    std::vector<std::string> prefixes = Prefixes();
    if (IndexOf(prefixes, prefix_) < 0) prefix_ = prefixes.empty() ? std::string() : prefixes[0];
    // A prefix change leaves no description: take the first one rather than a model
    // of another prefix.
    std::vector<std::string> descriptions = Descriptions();
    if (IndexOf(descriptions, description_) < 0) {
        description_ = descriptions.empty() ? std::string() : descriptions[0];
    }
    std::vector<std::string> notes = VersionNotes();
    if (notes.empty()) {
        note_.clear();
    } else if (IndexOf(notes, note_) < 0) {
        note_ = notes.back();
    }
}

bool CModelSelection::SelectPrefix(int index) {
    std::vector<std::string> list = Prefixes();
    if (index < 0 || index >= static_cast<int>(list.size()) || list[index] == prefix_) return false;
    prefix_ = list[index];
    description_.clear();
    note_.clear();
    Normalise();
    return true;
}

bool CModelSelection::SelectDescription(int index) {
    std::vector<std::string> list = Descriptions();
    if (index < 0 || index >= static_cast<int>(list.size()) || list[index] == description_) {
        return false;
    }
    description_ = list[index];
    note_.clear();
    Normalise();
    return true;
}

bool CModelSelection::SelectVersion(int index) {
    std::vector<std::string> list = VersionNotes();
    if (index < 0 || index >= static_cast<int>(list.size()) || list[index] == note_) return false;
    note_ = list[index];
    return true;
}

int CModelSelection::SelectedRow() const {
    for (const ModelListEntry& e : entries_) {
        if (e.prefix == prefix_ && e.description == description_ && e.note == note_) return e.row;
    }
    return entries_.empty() ? 0 : entries_.front().row;
}

void CModelSelection::SelectFromRow(int row) {
    if (entries_.empty()) return;
    const ModelListEntry* chosen = &entries_.front();
    for (const ModelListEntry& e : entries_) {
        if (e.row == row) chosen = &e;
    }
    prefix_ = chosen->prefix;
    description_ = chosen->description;
    note_ = chosen->note;
    Normalise();
}

int WiringSystemCount(const CDeviceType& type) {
    if (type.HasFeature(0, FAM_KT2 | FAM_ZB | FAM_HKT2 | FAM_HKT2X)) return 6;
    if (type.HasFeature(FEAT_3P4W, 0)) return 7;
    return 4;
}

std::vector<std::string> WiringSystemTexts(const CDeviceType& type) {
    return StringList(WiringSystemCount(type), kWiringSystemFirstId);
}

DemandChoices DemandTriggerChoices(const CDeviceType& type, int storedInterval) {
    DemandChoices choices;
    if (type.HasFeature(FEAT_DI1, 0) || storedInterval == 0) {
        choices.textIds = {kDemandDiscreteInputId, kDemandInternalTimerId};
        choices.selected = storedInterval != 0 ? 1 : 0;
    } else {
        choices.textIds = {kDemandInternalTimerId};
        choices.selected = 0;
    }
    return choices;
}

bool DemandIntervalFromEdit(int entryCount, int selectedIndex) {
    return entryCount == 1 || selectedIndex == 1;
}

}  // namespace voltaro
