#include "core/app/monitor_text_view.h"

#include <algorithm>
#include <span>

#include "core/app/meter_monitor_model.h"
#include "core/app/monitor_page_lists.h"
#include "core/monitor/measurand_format.h"
#include "core/monitor/measurand_labels.h"
#include "core/monitor/monitor_pass.h"
#include "core/monitor/monitor_record.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro {
namespace {

constexpr int kGap = 2;                 // spaces between columns and between blocks
constexpr int kOrdersPerLine = 10;      // harmonic orders in one line of a spectrum
constexpr int kFirstHarmonicOrder = 2;  // word k of a set is order k + 2

}  // namespace

TextSection GridTextSection(const std::string& title, std::span<const CellBinding> labels,
                            std::span<const CellBinding> values, const CMeasurandsKT2& store) {
    TextSection section{title, {}, true};
    if (std::all_of(values.begin(), values.end(),
                    [](const CellBinding& b) { return b.id == kIdxBlank; }))
        return section;
    int columns = 0;
    int rows = 0;
    for (auto list : {labels, values})
        for (const CellBinding& b : list) {
            columns = std::max(columns, b.column + 1);
            rows = std::max(rows, b.row + 1);
        }
    section.rows.assign(static_cast<std::size_t>(rows),
                        std::vector<std::string>(static_cast<std::size_t>(columns)));
    std::vector<std::vector<bool>> set(static_cast<std::size_t>(rows),
                                       std::vector<bool>(static_cast<std::size_t>(columns)));
    // The first text given to a cell stays, as in the window's grids.
    const auto put = [&](int column, int row, std::string text) {
        if (column < 0 || row < 0) return;
        auto c = static_cast<std::size_t>(column);
        auto r = static_cast<std::size_t>(row);
        if (set[r][c]) return;
        set[r][c] = true;
        section.rows[r][c] = text == " " ? "" : std::move(text);
    };
    for (const CellBinding& b : labels)
        put(b.column, b.row, LoadString(b.id));
    for (const MeasurandCell& cell : MeasurandCellTexts(store, values))
        put(cell.column, cell.row, cell.text);
    return section;
}

namespace {

TextSection Grid(const std::string& title, std::span<const CellBinding> labels,
                 std::span<const CellBinding> values, const CMeasurandsKT2& store) {
    return GridTextSection(title, labels, values, store);
}

std::string Titled(int groupId, int viewId) {
    return FormatMessageId(kTextMonitorSectionTitle, {LoadString(groupId), LoadString(viewId)});
}

}  // namespace

TextSection SpectrumTextSection(const CMeasurandsKT2& store, int set) {
    TextSection section{FormatMessageId(kTextMonitorSectionTitle,
                                        {LoadString(kTextMonitorHarmonics), HarmonicSetName(set)}),
                        {},
                        false};
    const auto& words = store.harmonics[static_cast<std::size_t>(set)];
    for (int first = 0; first < kHarmonicOrderCount; first += kOrdersPerLine) {
        std::vector<std::string> orders;
        std::vector<std::string> percents;
        for (int k = first; k < std::min(first + kOrdersPerLine, kHarmonicOrderCount); ++k) {
            orders.push_back(std::to_string(k + kFirstHarmonicOrder));
            percents.push_back(HarmonicPercentText(words[static_cast<std::size_t>(k)]));
        }
        section.rows.push_back(std::move(orders));
        section.rows.push_back(std::move(percents));
    }
    return section;
}

namespace {

// The length of the UTF-8 sequence that starts with lead.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

bool IsWide(char32_t cp) {
    return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
           (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
           (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
           (cp >= 0xFFE0 && cp <= 0xFFE6);
}

std::string Padded(const std::string& text, int width, bool left) {
    const std::string fill(static_cast<std::size_t>(std::max(0, width - TextWidth(text))), ' ');
    return left ? text + fill : fill + text;
}

}  // namespace

int TextWidth(const std::string& text) {
    int width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = std::min(SequenceLength(lead), text.size() - i);
        char32_t cp = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        width += IsWide(cp) ? 2 : 1;
        i += length;
    }
    return width;
}

std::vector<TextSection> MonitorTextSections(const CMeasurandsKT2& store, const CDeviceType& type,
                                             const std::vector<int>& harmonicSets) {
    std::vector<TextSection> sections;
    const auto add = [&](TextSection section) {
        if (!section.rows.empty()) sections.push_back(std::move(section));
    };
    for (int view = 0; view < kTrendTabCount; ++view)
        add(Grid(Titled(kTextMaxMinInstantaneous, kTextsTrendTab + view), InstantaneousLabels(),
                 InstantaneousValues(view), store));
    for (int view = 0; view < kTrendTabCount; ++view)
        add(Grid(Titled(kTextMaxMinDemand, kTextsTrendTab + view), DemandLabels(view),
                 DemandValues(view), store));
    for (int view = 0; view < kEnergyTabCount; ++view) {
        if (view == kEnergyTabCounter && IndexesOfCommand(kCmdCounters, type).empty()) continue;
        add(Grid(LoadString(kTextsEnergyTab + view), EnergyLabels(view), EnergyValues(view),
                 store));
    }
    add(Grid(LoadString(kTextMonitorThd), ThdLabels(), ThdValues(), store));
    if (!IndexesOfCommand(kCmdAnalogOutputs, type).empty())
        add(Grid(LoadString(kTextMonitorAnalogOutput), AnalogOutputLabels(), AnalogOutputValues(),
                 store));
    add(Grid(LoadString(kTextMonitorDeviceInformation), DeviceInfoLabels(), DeviceInfoValues(),
             store));
    for (int set : harmonicSets)
        if (set >= 0 && set < kHarmonicSetCount) add(SpectrumTextSection(store, set));
    return sections;
}

std::vector<std::string> RenderTextSection(const TextSection& section) {
    std::vector<int> widths;
    for (const auto& row : section.rows) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], TextWidth(row[c]));
    }
    std::vector<std::string> lines{section.title};
    for (const auto& row : section.rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) line += std::string(kGap, ' ');
            line += Padded(row[c], widths[c], c == 0 && section.labelColumn);
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> ArrangeTextBlocks(const std::vector<std::vector<std::string>>& blocks,
                                           int width) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < blocks.size()) {
        // The blocks of this row and their widths.
        std::vector<std::size_t> row;
        std::vector<int> widths;
        int used = 0;
        for (; i < blocks.size(); ++i) {
            int w = 0;
            for (const std::string& line : blocks[i])
                w = std::max(w, TextWidth(line));
            const int needed = row.empty() ? w : used + kGap + w;
            if (!row.empty() && needed > width) break;
            row.push_back(i);
            widths.push_back(w);
            used = needed;
        }
        std::size_t height = 0;
        for (std::size_t b : row)
            height = std::max(height, blocks[b].size());
        for (std::size_t l = 0; l < height; ++l) {
            std::string line;
            for (std::size_t k = 0; k < row.size(); ++k) {
                const auto& block = blocks[row[k]];
                const std::string text = l < block.size() ? block[l] : "";
                if (k > 0) line += std::string(kGap, ' ');
                line += Padded(text, widths[k], true);
            }
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            lines.push_back(std::move(line));
        }
        lines.emplace_back();
    }
    return lines;
}

}  // namespace voltaro
