// Texts of configurations as text: diff, export, import (ids in config_text_ids.h).
#include "core/platform/config_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {kTextConfigJsonMalformed,
     "Import error. %1!s! is no valid JSON: %2!s! (line %3!d!, column %4!d!)."},
    {kTextConfigNotExport,
     "Import error. The file is no exported configuration: \"%1!s!\" is missing or not what "
     "an export writes there."},
    {kTextConfigRowMismatch,
     "Import error. \"row\" is %1!d!, but the model's identification is that of row %2!d!."},
    {kTextConfigUnknownKey, "Import error. \"%1!s!\" is no parameter of this program."},
    {kTextConfigNotForModel,
     "Import error. \"%1!s!\" (%2!s! - %3!s!) is no parameter of model %4!s!."},
    {kTextConfigMissing, "Import error. \"%1!s!\" (%2!s! - %3!s!) is missing."},
    {kTextConfigDuplicate, "Import error. \"%1!s!\" is given more than once."},
    {kTextConfigNotInteger,
     "Import error. \"%1!s!\" (%2!s! - %3!s!): \"value\" must be a whole number."},
    {kTextConfigOutOfRange, "Import error. \"%1!s!\" (%2!s! - %3!s!) holds %4!s!; allowed: %5!s!."},
    {kTextConfigBadEntry,
     "Import error. Entry %1!d! of group \"%2!s!\" is no object with \"key\" and \"value\"."},
    {kTextConfigNothingWritten, "Nothing was written."},
    {kTextConfigDiffModel, "Model"},
    {kTextConfigOnlyIn, "(only in %1!s!)"},
    {kTextConfigSame, "The configurations are the same."},
    {kTextConfigDiffCount, "%1!d! parameter(s) differ, %2!d! in one configuration only."},
    {kTextConfigModelsDiffer, "The models differ."},
    {kTextConfigImported, "imported row %1!d! (%2!s!) from %3!s! to %4!s!"},
    {kTextCliSummaryDiff, "list the differences of two configuration files by parameter"},
    {kTextCliHelpDiff,
     "Usage: voltaro-cli diff A.cfg B.cfg [--json]\n"
     "Lists the parameters whose values differ, by group and name with both value texts; a\n"
     "different model is named first, and parameters of one model only are marked so.\n"
     "Exit status 0 when the files are the same, 3 when they differ.\n"
     "  --json         one JSON object instead of the table\n"},
    {kTextCliSummaryExport, "write a configuration file as JSON or text for review"},
    {kTextCliHelpExport,
     "Usage: voltaro-cli export FILE.cfg [--format json|text] [-o|--output OUT]\n"
     "Writes every parameter of the file's model by group, key and name with its value and\n"
     "value text, one line each in a fixed order, in English whatever the language, so that\n"
     "version control shows one line per changed parameter.\n"
     "  --format F     json (the default, what import reads) or text\n"
     "  -o, --output OUT write OUT instead of standard output\n"},
    {kTextCliSummaryImport, "make a configuration file from an exported JSON file"},
    {kTextCliHelpImport,
     "Usage: voltaro-cli import FILE.json OUT.cfg\n"
     "Reads a JSON export back: the model first, then every value with the checks of the\n"
     "setting dialogs. Unknown keys, missing parameters and values that are not allowed\n"
     "are named with what is allowed; on any error nothing is written.\n"},
};

}  // namespace

const std::span<const StringEntry> kConfigText{kData};

}  // namespace voltaro::strings
