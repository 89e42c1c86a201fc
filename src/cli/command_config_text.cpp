// voltaro-cli diff / export / import: configuration files as text that people review and
// version control keeps, and back.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_transfer_support.h"
#include "core/app/recent_files.h"
#include "core/files/config_diff.h"
#include "core/files/config_file.h"
#include "core/files/config_import.h"
#include "core/files/config_text.h"
#include "core/model/parameter_image.h"
#include "core/platform/config_text_ids.h"
#include "core/platform/file_io.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"

namespace voltaro::cli {
namespace {

void PrintDiff(const ConfigDiff& diff, const std::string& a, const std::string& b) {
    std::printf("group\tname\tkey\t%s\t%s\n", a.c_str(), b.c_str());
    if (diff.modelDiffers) {
        std::printf("%s\t\t\t%s\t%s\n", LoadString(kTextConfigDiffModel).c_str(),
                    diff.modelA.c_str(), diff.modelB.c_str());
    }
    for (const ConfigDifference& row : diff.rows) {
        std::string textA = row.textA;
        std::string textB = row.textB;
        if (row.kind == ConfigDifferenceKind::OnlyInA)
            textB = FormatMessageId(kTextConfigOnlyIn, {a});
        if (row.kind == ConfigDifferenceKind::OnlyInB)
            textA = FormatMessageId(kTextConfigOnlyIn, {b});
        std::printf("%s\t%s\t%s\t%s\t%s\n", row.group.c_str(), row.name.c_str(), row.key.c_str(),
                    textA.c_str(), textB.c_str());
    }
    if (diff.modelDiffers) std::printf("%s\n", LoadString(kTextConfigModelsDiffer).c_str());
    const int differing = diff.CountOf(ConfigDifferenceKind::Different);
    const int oneSide = static_cast<int>(diff.rows.size()) - differing;
    if (!diff.rows.empty())
        std::printf("%s\n", FormatMessageId(kTextConfigDiffCount, {differing, oneSide}).c_str());
    if (diff.Same()) std::printf("%s\n", LoadString(kTextConfigSame).c_str());
}

int RunDiffCommand(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    const bool json = TakeFlag(args, "--json");
    if (std::string unknown = UnknownOptionError(args); !unknown.empty())
        return UsageError("diff", unknown);
    if (args.size() != 2) return UsageError("diff", "needs A.cfg B.cfg");
    try {
        ParameterImage a;
        ParameterImage b;
        LoadConfigFile(args[0], a);
        LoadConfigFile(args[1], b);
        if (json) {
            // Machine-readable: the same in every language.
            CEnglishTextScope english;
            const ConfigDiff diff = DiffConfigs(a, b);
            std::fputs(ConfigDiffJson(diff).c_str(), stdout);
            return diff.Same() ? kExitOk : kExitDifferences;
        }
        const ConfigDiff diff = DiffConfigs(a, b);
        PrintDiff(diff, FileNameOf(args[0]), FileNameOf(args[1]));
        return diff.Same() ? kExitOk : kExitDifferences;
    } catch (const CPrivateException& e) {
        return Failure("diff", e.Message());
    }
}

int RunExportCommand(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    std::string error;
    const std::optional<std::string> format = TakeOption(args, "--format", error);
    std::optional<std::string> out = TakeOption(args, "-o", error);
    if (!out) out = TakeOption(args, "--output", error);
    if (!error.empty()) return UsageError("export", error);
    if (std::string unknown = UnknownOptionError(args); !unknown.empty())
        return UsageError("export", unknown);
    if (format && *format != "json" && *format != "text")
        return UsageError("export", "--format must be json or text");
    if (args.size() != 1) return UsageError("export", "needs FILE.cfg");
    try {
        if (out) CheckSaveFile(*out);
        ParameterImage image;
        LoadConfigFile(args[0], image);
        const std::string text =
            format && *format == "text" ? ExportConfigText(image) : ExportConfigJson(image);
        if (!out) {
            std::fputs(text.c_str(), stdout);
            return kExitOk;
        }
        if (FileStatus status = WriteFileSafely(*out, text, 0644); !status)
            throw CPrivateException::WithSystemText(kMsgSaveError, status.Text(*out));
    } catch (const CPrivateException& e) {
        return Failure("export", e.Message());
    }
    return kExitOk;
}

int RunImportCommand(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    if (std::string unknown = UnknownOptionError(args); !unknown.empty())
        return UsageError("import", unknown);
    if (args.size() != 2) return UsageError("import", "needs FILE.json OUT.cfg");
    try {
        CheckSaveFile(args[1]);
        std::string json;
        if (FileStatus status = ReadSmallFile(args[0], kMaxSettingsFileBytes, json); !status)
            throw CPrivateException::WithSystemText(kMsgLoadError, status.Text(args[0]));
        ParameterImage image;
        try {
            image = ImportConfigJson(json, args[0]);
        } catch (const CPrivateException& e) {
            return Failure("import", e.Message() + "\r" + LoadString(kTextConfigNothingWritten));
        }
        SaveConfigFile(args[1], image);
        if (!QuietOutput()) {
            std::printf("%s\n", FormatMessageId(kTextConfigImported,
                                                {image.deviceType.typeIndex,
                                                 ModelText(image.deviceType), args[0], args[1]})
                                    .c_str());
        }
    } catch (const CPrivateException& e) {
        return Failure("import", e.Message());
    }
    return kExitOk;
}

const CommandRegistrar kDiff("diff", "diff A.cfg B.cfg [--json]  (exit 3 on differences)",
                             RunDiffCommand);
const CommandRegistrar kExport("export", "export FILE.cfg [--format json|text] [-o|--output OUT]",
                               RunExportCommand);
const CommandRegistrar kImport("import", "import FILE.json OUT.cfg", RunImportCommand);

}  // namespace
}  // namespace voltaro::cli
