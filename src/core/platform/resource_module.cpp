// Language table, language switching and loading of language modules.
#include "core/platform/resource_module.h"

#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string_view>

#include "core/platform/paths.h"
#include "core/platform/trace.h"

namespace voltaro {
namespace {

constexpr std::array<LanguageRow, 2> kLanguages{{
    {"English", nullptr, kLocaleUserDefault, ""},
    {"Japanese", "_jpn.so", kLocaleJapanese, "ja_JP.UTF-8"},
}};

struct LanguageState {
    std::mutex mutex;
    CResourceModule module;
    int current = 0;
    uint32_t threadLocale = 0;  // 0: not set yet, take the environment's
};

LanguageState& State() {
    static LanguageState state;
    return state;
}

}  // namespace

std::span<const LanguageRow> LanguageTable() {
    return kLanguages;
}

bool EnvironmentIsJapanese() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return std::string_view(value).starts_with("ja");
    }
    return false;
}

uint32_t ThreadLocaleId() {
    {
        LanguageState& state = State();
        std::lock_guard<std::mutex> lock(state.mutex);
        if (state.threadLocale != 0) return state.threadLocale;
    }
    return EnvironmentIsJapanese() ? kLocaleJapanese : kLocaleUserDefault;
}

int ResolveLanguageIndex(int index, uint32_t localeId) {
    const int count = static_cast<int>(kLanguages.size());
    if (index < 0) {
        for (int i = 0; i < count; ++i)
            if (kLanguages[static_cast<std::size_t>(i)].localeId == localeId) return i;
        return 0;
    }
    return index < count ? index : 0;
}

int NextLanguage(int index) {
    int next = ResolveLanguageIndex(index, ThreadLocaleId()) + 1;
    return next < static_cast<int>(kLanguages.size()) ? next : 0;
}

std::string LanguageModulePath(int index) {
    const LanguageRow& row =
        kLanguages[static_cast<std::size_t>(ResolveLanguageIndex(index, ThreadLocaleId()))];
    if (!row.moduleSuffix) return {};
    return FindLanguageModule(ProgramDirectory(), ProgramName() + row.moduleSuffix);
}

std::string FindLanguageModule(const std::string& programDirectory, const std::string& fileName) {
    const std::string beside = programDirectory + "/" + fileName;
    if (::access(beside.c_str(), F_OK) == 0) return beside;
    const std::string installed =
        std::filesystem::path(programDirectory + "/" VOLTARO_INSTALLED_MODULE_DIR "/" + fileName)
            .lexically_normal()
            .string();
    return ::access(installed.c_str(), F_OK) == 0 ? installed : beside;
}

bool CResourceModule::Open(const std::string& path, std::string* errorText) {
    Close();
    auto fail = [&](std::string text) {
        if (errorText) *errorText = std::move(text);
        Close();
        return false;
    };
    // A plain file name would make dlopen search the library path; always name a file.
    std::string file = path.find('/') == std::string::npos ? "./" + path : path;
    handle_ = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* error = ::dlerror();
        return fail(error ? error : "cannot load " + path);
    }
    auto function = reinterpret_cast<StringTableFunction>(::dlsym(handle_, kStringTableSymbol));
    if (!function) return fail(path + ": no symbol " + kStringTableSymbol);
    std::size_t count = 0;
    const StringEntry* entries = function(&count);
    if (!entries || count == 0) return fail(path + ": empty string table");
    table_ = std::span<const StringEntry>(entries, count);
    return true;
}

void CResourceModule::Close() {
    table_ = {};
    if (handle_) ::dlclose(handle_);
    handle_ = nullptr;
}

bool LoadLanguageModule(const std::string& path, std::string* errorText) {
    LanguageState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    SetActiveStringTable({});
    state.module.Close();
    std::string error;
    if (!state.module.Open(path, &error)) {
        Trace("language module: " + error);
        if (errorText) *errorText = error;
        return false;
    }
    SetActiveStringTable(state.module.Table());
    return true;
}

void UnloadLanguageModule() {
    LanguageState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    SetActiveStringTable({});
    state.module.Close();
}

bool LanguageModuleLoaded() {
    LanguageState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    return state.module.IsOpen();
}

bool LoadLanguage(int index) {
    const int resolved = ResolveLanguageIndex(index, ThreadLocaleId());
    const LanguageRow& row = kLanguages[static_cast<std::size_t>(resolved)];
    UnloadLanguageModule();
    bool loaded = true;
    if (row.moduleSuffix) loaded = LoadLanguageModule(LanguageModulePath(resolved));
    {
        LanguageState& state = State();
        std::lock_guard<std::mutex> lock(state.mutex);
        state.current = resolved;
        state.threadLocale = row.localeId;
    }
    // The C library's locale decides the character set and the language of system error
    // texts; nothing here formats numbers, dates or sorts through it, so only those two
    // categories are loaded (each category is files to read at every start of a program).
    // A locale that is not installed leaves the library locale as it was.
    std::setlocale(LC_CTYPE, row.libraryLocale);
    std::setlocale(LC_MESSAGES, row.libraryLocale);
    // Numbers are written with a point whatever a toolkit set before.
    std::setlocale(LC_NUMERIC, "C");
    return loaded;
}

int CurrentLanguage() {
    LanguageState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    return state.current;
}

}  // namespace voltaro
