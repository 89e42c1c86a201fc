// Comparison of a language module's table with the English table.
#include <algorithm>
#include <map>

#include "core/platform/message_format.h"
#include "core/platform/resource_module.h"

namespace voltaro {
namespace {

struct Inserts {
    std::vector<std::string> positional;  // sorted: order does not matter
    std::vector<std::string> sequential;  // in order of appearance
    bool operator==(const Inserts&) const = default;
};

Inserts InsertsOf(const char* text) {
    Inserts inserts;
    for (std::string& insert : MessageInserts(text ? text : "")) {
        bool positional = insert.size() > 1 && insert[1] >= '1' && insert[1] <= '9';
        (positional ? inserts.positional : inserts.sequential).push_back(std::move(insert));
    }
    std::sort(inserts.positional.begin(), inserts.positional.end());
    return inserts;
}

}  // namespace

StringTableCheck CheckStringTable(std::span<const StringEntry> module,
                                  std::span<const StringEntry> english) {
    std::map<int, const char*> englishById;
    for (const StringEntry& e : english)
        englishById.emplace(e.id, e.text);

    StringTableCheck check;
    std::map<int, int> seen;
    for (const StringEntry& e : module) {
        if (++seen[e.id] == 2) check.duplicateIds.push_back(e.id);
        auto it = englishById.find(e.id);
        if (it == englishById.end()) {
            check.unknownIds.push_back(e.id);
        } else if (seen[e.id] == 1 && !(InsertsOf(e.text) == InsertsOf(it->second))) {
            check.insertMismatchIds.push_back(e.id);
        }
    }
    for (const auto& [id, text] : englishById)
        if (!seen.contains(id)) check.missingIds.push_back(id);
    std::sort(check.unknownIds.begin(), check.unknownIds.end());
    std::sort(check.duplicateIds.begin(), check.duplicateIds.end());
    std::sort(check.insertMismatchIds.begin(), check.insertMismatchIds.end());
    return check;
}

}  // namespace voltaro
