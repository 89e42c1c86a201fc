// Fuzz target: message patterns and hostile inserts (texts full of %, !, digits). The
// input is split at the first 0 byte into the pattern and the inserts' text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/message_format.h"
#include "core/platform/string_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace voltaro;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t zero = input.find('\0');
    const std::string_view pattern = input.substr(0, zero);
    const std::string_view rest = zero == std::string_view::npos ? "" : input.substr(zero + 1);
    std::vector<MessageArg> args;
    unsigned long long hash = 0;
    for (char c : rest)
        hash = hash * 31 + static_cast<unsigned char>(c);
    const auto number = static_cast<long long>(hash);
    args.emplace_back(std::string(rest));
    args.emplace_back(number);
    args.emplace_back(static_cast<unsigned long long>(number));
    args.emplace_back(static_cast<double>(number) / 7.0);
    args.emplace_back(std::string(rest.substr(rest.size() / 2)));
    FormatMessageText(pattern, args);
    FormatMessageText(pattern, std::span<const MessageArg>(args.data(), rest.size() % 6));
    MessageInserts(pattern);
    // The table's own messages with the same hostile inserts.
    const auto table = EnglishStringTable();
    if (!table.empty() && size >= 2) {
        const StringEntry& entry = table[(data[0] << 8 | data[1]) % table.size()];
        FormatMessageText(entry.text, args);
    }
    return 0;
}
