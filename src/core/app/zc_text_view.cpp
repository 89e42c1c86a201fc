#include "core/app/zc_text_view.h"

#include <algorithm>

#include "core/app/monitor_page_lists.h"
#include "core/app/zc_page_lists.h"
#include "core/monitor/measurand_format.h"
#include "core/monitor/zc_registers.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro {
namespace {

std::string Titled(const std::string& group, const std::string& view) {
    return FormatMessageId(kTextMonitorSectionTitle, {group, view});
}

std::string OfChannel(int channel, int textId) {
    return FormatMessageId(kTextZcChannelName,
                           {LoadString(InputLabelId(channel + 1)), LoadString(textId)});
}

// The device clock as the monitor's clock text: date, one space, time.
TextSection Clock(const CMeasurandsKT2& store) {
    return {
        LoadString(kTextMonitorDateTime),
        {{FormatMeasurand(store, kIdxDeviceDate) + " " + FormatMeasurand(store, kIdxDeviceTime)}},
        false};
}

}  // namespace

std::vector<TextSection> ZcMonitorTextSections(const CMeasurandsKT2& store, int view,
                                               int detailChannel,
                                               const std::vector<int>& harmonicSets) {
    std::vector<TextSection> sections;
    const auto add = [&](TextSection section) {
        if (!section.rows.empty()) sections.push_back(std::move(section));
    };
    if (detailChannel >= 0) {
        for (int read = 0; read < kZcDetailReadCount; ++read)
            add(GridTextSection(Titled(OfChannel(detailChannel, kTextMaxMinInstantaneous),
                                       LoadString(kTextsTrendTab + read)),
                                InstantaneousLabels(), ZcInstantaneousValues(read), store));
        for (int read = 0; read < kZcDetailReadCount; ++read)
            add(GridTextSection(Titled(OfChannel(detailChannel, kTextMaxMinDemand),
                                       LoadString(kTextsTrendTab + read)),
                                ZcDemandLabels(read), ZcDemandValues(read), store));
        add(GridTextSection(OfChannel(detailChannel, kTextMonitorThd), ThdLabels(), ThdValues(),
                            store));
        for (int set : harmonicSets)
            if (set >= 0 && set < kHarmonicSetCount) add(SpectrumTextSection(store, set));
    } else {
        const std::string module = LoadString(kTextsModuleTab + (view == kZcViewBasic ? 0 : 1));
        add(GridTextSection(Titled(module, LoadString(kTextZcHourlySection)), ZcUpperLabels(view),
                            ZcUpperValues(view), store));
        // The present values under the same column heads as the hourly values.
        TextSection lower = GridTextSection(Titled(module, LoadString(kTextMaxMinInstantaneous)),
                                            ZcLowerLabels(view), ZcLowerValues(view), store);
        // The discrete inputs' page has its counts in one row of seven.
        std::erase_if(lower.rows, [](const std::vector<std::string>& row) {
            return std::all_of(row.begin(), row.end(),
                               [](const std::string& t) { return t.empty(); });
        });
        if (!lower.rows.empty()) {
            std::vector<std::string> heads(lower.rows.front().size());
            for (int k = 0; k < kZcPageChannels && k + 1 < static_cast<int>(heads.size()); ++k)
                heads[static_cast<std::size_t>(k + 1)] = LoadString(ZcColumnLabelId(view, k));
            lower.rows.insert(lower.rows.begin(), std::move(heads));
        }
        add(std::move(lower));
        add(Clock(store));
    }
    add(GridTextSection(LoadString(kTextMonitorDeviceInformation), DeviceInfoLabels(),
                        DeviceInfoValues(), store));
    return sections;
}

}  // namespace voltaro
