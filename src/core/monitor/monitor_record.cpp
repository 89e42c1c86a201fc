#include "core/monitor/monitor_record.h"

#include <algorithm>

#include "core/monitor/measurand_format.h"
#include "core/monitor/measurand_labels.h"
#include "core/monitor/zc_registers.h"
#include "core/platform/json_text.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"

namespace voltaro {
namespace {

constexpr int kFirstHarmonicOrder = 2;  // word k of a set is order k + 2

bool IsIdentityText(int index) {
    return index >= kIdxModelName && index <= kIdxTagNumber;
}

bool Contains(const std::vector<int>& list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// The sets of a list that exist (0 .. 9), in list order.
std::vector<int> ValidSets(const std::vector<int>& sets) {
    std::vector<int> valid;
    for (int set : sets)
        if (set >= 0 && set < kHarmonicSetCount) valid.push_back(set);
    return valid;
}

std::string DeviceJson(const CMeasurandsKT2& store) {
    struct Field {
        const char* key;
        int index;
    };
    static constexpr Field kFields[] = {{"model", kIdxModelName},
                                        {"firmware", kIdxFirmwareVersion},
                                        {"serial", kIdxSerialNumber},
                                        {"tag", kIdxTagNumber},
                                        {"passcode_state", kIdxPasscodeState}};
    std::string json = "{";
    for (const Field& f : kFields) {
        if (json.size() > 1) json += ',';
        json += JsonString(f.key) + ':' + JsonString(FormatMeasurand(store, f.index));
    }
    return json + '}';
}

std::string HarmonicsJson(const CMeasurandsKT2& store, const std::vector<int>& sets) {
    std::string json = "[";
    for (int set : ValidSets(sets)) {
        if (json.size() > 1) json += ',';
        json += "{\"set\":" + std::to_string(set) +
                ",\"name\":" + JsonString(HarmonicSetName(set)) + ",\"percent\":[";
        const auto& words = store.harmonics[static_cast<std::size_t>(set)];
        for (std::size_t k = 0; k < words.size(); ++k) {
            if (k > 0) json += ',';
            json += HarmonicPercentText(words[k]);
        }
        json += "]}";
    }
    return json + ']';
}

}  // namespace

std::string HarmonicPercentText(uint16_t word) {
    return FixedText(word / 10.0, 1);
}

std::string MonitorPassJson(const std::string& time, const MonitorPassResult& result,
                            const CMeasurandsKT2& store, const std::vector<int>& harmonicSets) {
    std::string json = "{\"time\":" + JsonString(time);
    json += result.ok ? ",\"ok\":true,\"error\":null"
                      : ",\"ok\":false,\"error\":" + JsonString(result.error);
    if (result.zcDevice) {
        static const char* const kViews[kZcViewCount] = {"\"basic\"", "\"extension\"",
                                                         "\"discrete\""};
        const bool page = result.zcView >= 0 && result.zcView < kZcViewCount;
        const bool detail = !page && result.zcFirstChannel >= 0;
        json += ",\"module\":";
        json += page ? kViews[result.zcView] : "null";
        json += ",\"detail\":" + (detail ? std::to_string(result.zcFirstChannel + 1) : "null");
    } else {
        json += ",\"channel\":" + std::to_string(result.state.channel + 1);
    }
    json += ",\"device\":";
    json += Contains(result.indexes, kIdxModelName) ? DeviceJson(store) : "null";
    json += ",\"values\":[";
    bool first = true;
    for (const MeasurandEntry& e : MeasurandEntries(store, result)) {
        if (!first) json += ',';
        first = false;
        json += "{\"index\":" + std::to_string(e.index) + ",\"name\":" + JsonString(e.label) +
                ",\"text\":" + JsonString(e.text) + '}';
    }
    json += ']';
    if (!harmonicSets.empty())
        json +=
            ",\"harmonics\":" + HarmonicsJson(store, result.ok ? harmonicSets : std::vector<int>{});
    return json + '}';
}

MonitorLogColumns LogColumnsOfPass(const MonitorPassResult& result,
                                   const std::vector<int>& harmonicSets) {
    MonitorLogColumns columns;
    for (int index : result.indexes)
        if (!IsIdentityText(index)) columns.indexes.push_back(index);
    columns.harmonicSets = ValidSets(harmonicSets);
    columns.zc = result.zcDevice;
    columns.firstChannel = result.zcFirstChannel;
    return columns;
}

std::vector<std::string> MonitorLogHeader(const MonitorLogColumns& columns) {
    std::vector<std::string> header{"time"};
    for (int index : columns.indexes)
        header.push_back(columns.zc ? ZcMeasurandLabel(index, columns.firstChannel)
                                    : MeasurandLabel(index));
    for (int set : ValidSets(columns.harmonicSets))
        for (int k = 0; k < kHarmonicOrderCount; ++k)
            header.push_back(FormatMessageId(kTextHarmonicColumn,
                                             {HarmonicSetName(set), k + kFirstHarmonicOrder}));
    return header;
}

std::vector<std::string> MonitorLogRow(const std::string& time, const CMeasurandsKT2& store,
                                       const MonitorLogColumns& columns) {
    std::vector<std::string> row{time};
    for (int index : columns.indexes)
        row.push_back(MeasurandNumberText(store, index));
    for (int set : ValidSets(columns.harmonicSets))
        for (uint16_t word : store.harmonics[static_cast<std::size_t>(set)])
            row.push_back(HarmonicPercentText(word));
    return row;
}

}  // namespace voltaro
