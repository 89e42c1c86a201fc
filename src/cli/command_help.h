#pragma once
// The help of voltaro-cli: one line per command for --help, and for each command its usage,
// options and an example ("help COMMAND", "COMMAND --help"). The texts come from the string
// table; the option names in a command's English text are also what the shell completion
// offers for it, so that the completion cannot drift from the commands.
#include <string>
#include <vector>

namespace voltaro::cli {

struct CommandHelp {
    const char* name;
    int summaryId;        // one line for --help
    int helpId;           // usage, what it does, its own options
    bool connection;      // also takes the connection options
    const char* example;  // a command line, the same in every language
};

// The help of a command; nullptr for a name that has none.
const CommandHelp* FindCommandHelp(const std::string& name);

// Every registered command: first those with help in the order --help lists them, then
// any other registered command.
std::vector<std::string> CommandNames();

// voltaro-cli --help: the commands with one line each, the connection options once, the
// options of every command and the exit status.
std::string UsageText();

// help COMMAND: the command's text, the connection options when it takes them, and its
// example. A registered command without help gets its synopsis.
std::string CommandHelpText(const std::string& name);

// The options that a command takes, as the completion offers them: the option names of
// its English help text, the connection options where they apply, --help and --quiet.
std::vector<std::string> CommandOptions(const std::string& name);

}  // namespace voltaro::cli
