// Differences of two parameter images by parameter.
#include "core/files/config_diff.h"

#include "core/files/config_text.h"
#include "core/files/parameter_report.h"
#include "core/model/model_list.h"
#include "core/platform/json_text.h"

namespace voltaro {

int ConfigDiff::CountOf(ConfigDifferenceKind kind) const {
    int count = 0;
    for (const ConfigDifference& row : rows)
        if (row.kind == kind) ++count;
    return count;
}

ConfigDiff DiffConfigs(const ParameterImage& a, const ParameterImage& b) {
    ConfigDiff diff;
    a.deviceType.Record();
    b.deviceType.Record();
    diff.modelA = ModelDisplayText(a.deviceType);
    diff.modelB = ModelDisplayText(b.deviceType);
    diff.modelDiffers = a.deviceType.typeIndex != b.deviceType.typeIndex;
    CParameterReport report(a);
    report.CompareWith(b, {});
    for (const ReportRow& row : report.Build(false).rows) {
        ConfigDifference difference;
        if (row.state == RowState::Different) {
            difference.kind = ConfigDifferenceKind::Different;
        } else if (row.state == RowState::NotApplicable &&
                   a.Applies(row.word) != b.Applies(row.word)) {
            difference.kind =
                a.Applies(row.word) ? ConfigDifferenceKind::OnlyInA : ConfigDifferenceKind::OnlyInB;
        } else {
            continue;
        }
        difference.key = ConfigKey(row.word);
        difference.group = row.groupName;
        difference.name = row.name;
        difference.textA = row.pcText;
        difference.textB = row.otherText;
        diff.rows.push_back(std::move(difference));
    }
    return diff;
}

std::string ConfigDiffJson(const ConfigDiff& diff) {
    static constexpr const char* kStates[] = {"different", "only-a", "only-b"};
    std::string json =
        std::string("{\n  \"same\": ") + (diff.Same() ? "true" : "false") + ",\n  \"model\": ";
    if (diff.modelDiffers)
        json += "{\"a\": " + JsonString(diff.modelA) + ", \"b\": " + JsonString(diff.modelB) + "}";
    else
        json += "null";
    json += ",\n  \"differences\": [";
    for (std::size_t i = 0; i < diff.rows.size(); ++i) {
        const ConfigDifference& row = diff.rows[i];
        json += std::string(i == 0 ? "\n" : ",\n") + "    {\"key\": " + JsonString(row.key) +
                ", \"group\": " + JsonString(row.group) + ", \"name\": " + JsonString(row.name) +
                ", \"state\": " + JsonString(kStates[static_cast<int>(row.kind)]) +
                ", \"a\": " + JsonString(row.textA) + ", \"b\": " + JsonString(row.textB) + "}";
    }
    json += diff.rows.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

}  // namespace voltaro
