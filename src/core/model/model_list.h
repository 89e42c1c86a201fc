#pragma once
// The selectable models (prefix, description, version note) and the choices that the
// main window offers for a device type: model combos, wiring systems, demand triggers.
// Everything here is plain data so that a window only shows lists and reports picks.
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/device_type.h"

namespace voltaro {

struct ModelListEntry {
    std::string prefix;       // "KT2-"
    std::string description;  // "1**2 Ao 4-20mA x4"
    std::string note;         // "Ver.2.31 or earlier"; often empty
    uint16_t row = 0;         // row of the device type table
};

// Splits a model string "prefix|description|note" into its columns.
ModelListEntry SplitModelString(const std::string& text, uint16_t row);
// The 71 selectable models in combo order, texts from the active language.
std::vector<ModelListEntry> LoadModelList();
// The model of type as one line of text ("prefix" "description" "note"); empty for a row
// that has no model string (a type that can only be identified).
std::string ModelDisplayText(const CDeviceType& type);

// The state of the three model combos: current prefix, description and version note.
class CModelSelection {
  public:
    explicit CModelSelection(std::vector<ModelListEntry> entries = LoadModelList());

    const std::vector<ModelListEntry>& Entries() const { return entries_; }

    // Prefix combo: one item per run of equal prefixes.
    std::vector<std::string> Prefixes() const;
    // Description combo for the current prefix, without repeats.
    std::vector<std::string> Descriptions() const;
    // Version combo for the current prefix and description (non-empty notes only).
    std::vector<std::string> VersionNotes() const;
    // The version combo is enabled only when the description has version notes.
    bool VersionEnabled() const { return !VersionNotes().empty(); }

    // Index of the current text in the matching list, or -1.
    int PrefixIndex() const;
    int DescriptionIndex() const;
    int VersionIndex() const;

    const std::string& Prefix() const { return prefix_; }
    const std::string& Description() const { return description_; }
    const std::string& Note() const { return note_; }

    // The user picked an item. A new prefix clears description and note, a new
    // description clears the note; the lower levels then fall back to their defaults
    // (first description, last version note). Returns whether anything changed.
    bool SelectPrefix(int index);
    bool SelectDescription(int index);
    bool SelectVersion(int index);

    // Table row of the first entry matching all three texts; else the first entry's row.
    int SelectedRow() const;
    // Takes the selection from the (last) entry carrying `row`; the first entry when
    // no entry does (a type that can only be identified).
    void SelectFromRow(int row);

  private:
    void Normalise();

    std::vector<ModelListEntry> entries_;
    std::string prefix_;
    std::string description_;
    std::string note_;
};

// Wiring systems ("System" combo, strings 1600 up): 6, 7 or 4 entries.
constexpr int kWiringSystemFirstId = 1600;
int WiringSystemCount(const CDeviceType& type);
std::vector<std::string> WiringSystemTexts(const CDeviceType& type);

// Demand trigger combo ("Current" or "Power" under "Demand").
constexpr int kDemandDiscreteInputId = 1650;
constexpr int kDemandInternalTimerId = 1651;
struct DemandChoices {
    std::vector<int> textIds;  // {1650, 1651} or {1651}
    int selected = 0;
};
DemandChoices DemandTriggerChoices(const CDeviceType& type, int storedInterval);
// Whether the interval edit holds the value: the combo selects "Internal timer"
// (the second of two entries) or holds only that entry. Otherwise the interval is 0.
bool DemandIntervalFromEdit(int entryCount, int selectedIndex);

}  // namespace voltaro
