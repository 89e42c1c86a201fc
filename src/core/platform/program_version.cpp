#include "core/platform/program_version.h"

#include <cstdio>

#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/paths.h"
#include "core/platform/resource_module.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro {

void LoadCommandLineLanguage(int index) {
    if (LoadLanguage(index)) return;
    std::fprintf(stderr, "%s: %s (%s)\n", ProgramName().c_str(),
                 LoadString(kMsgCantLoadLanguageModule).c_str(),
                 LanguageModulePath(CurrentLanguage()).c_str());
}

std::string VersionText() {
    std::string text =
        FormatMessageId(kTextVersionLine, {VOLTARO_PRODUCT_NAME, VOLTARO_PRODUCT_VERSION}) + "\n";
    if (LanguageModuleLoaded())
        text += FormatMessageId(kTextLanguageModule, {LanguageModulePath(CurrentLanguage())});
    else
        text += LoadString(kTextLanguageEnglish);
    return text + "\n";
}

}  // namespace voltaro
