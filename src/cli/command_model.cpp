// voltaro-cli models / params: the model list and the default image of a device type.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "core/files/parameter_report.h"
#include "core/model/model_list.h"
#include "core/model/parameter_image.h"
#include "core/model/settings_stocker.h"

namespace voltaro::cli {
namespace {

int RunModels(const std::vector<std::string>& args) {
    if (!args.empty()) {
        std::fprintf(stderr, "voltaro-cli models: unexpected argument \"%s\"\n", args[0].c_str());
        return kExitUsage;
    }
    std::printf("prefix\tdescription\tversion\trow\n");
    for (const ModelListEntry& e : LoadModelList()) {
        std::printf("%s\t%s\t%s\t%d\n", e.prefix.c_str(), e.description.c_str(), e.note.c_str(),
                    e.row);
    }
    return kExitOk;
}

// A row number of the device type table, or -1.
int ParseRow(const std::string& text) {
    if (text.empty() || text.size() > 3) return -1;
    int row = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        row = row * 10 + (c - '0');
    }
    return row < kDeviceTypeCount ? row : -1;
}

int RunParams(const std::vector<std::string>& args) {
    int row = -1;
    bool haveRow = false;
    bool all = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--all") {
            all = true;
        } else if (args[i] == "--row" && i + 1 < args.size()) {
            haveRow = true;
            row = ParseRow(args[++i]);
            if (row < 0) {
                std::fprintf(stderr, "voltaro-cli params: no device type row \"%s\" (0 to %d)\n",
                             args[i].c_str(), kDeviceTypeCount - 1);
                return kExitUsage;
            }
        } else {
            std::fprintf(stderr, "voltaro-cli params: unexpected argument \"%s\"\n",
                         args[i].c_str());
            return kExitUsage;
        }
    }
    if (!haveRow) {
        std::fprintf(stderr, "voltaro-cli params: --row N is required\n");
        return kExitUsage;
    }
    const ParameterImage image = DefaultImageOfRow(row);
    std::printf("group\tname\tvalue\n");
    // The second word of a 32-bit value or an address is shown with the first one.
    for (int word : ReportEntryWords()) {
        if (!all && !image.Applies(word)) continue;
        std::printf("%s\t%s\t%s\n", image.GroupName(word).c_str(),
                    image.ParameterName(word).c_str(), image.ValueText(word).c_str());
    }
    return kExitOk;
}

const CommandRegistrar kModels("models", "models                 list the selectable models",
                               RunModels);
const CommandRegistrar kParams("params",
                               "params --row N [--all]  default parameters of device type row N",
                               RunParams);

}  // namespace
}  // namespace voltaro::cli
