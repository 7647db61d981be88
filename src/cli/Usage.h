// What deducto-check does and how it is called, written once: rendered as the --help text
// and as the manual page, and read by the command line, so the three always agree.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace deducto::cli {

// What an option sets; the command line acts on it.
enum class OptionKey {
    Details,
    Table,
    Format,
    TrueOnly,
    FalseOnly,
    NoSimplify,
    Steps,
    ArgumentTable,
    Explain,
    World,
    Tree,
    Json,
    Grade,
    Key,
    Equivalence,
    AnyOrder,
    Report,
    Recursive,
    FilesFrom,
    Jobs,
    Version,
    Help,
};

struct OptionHelp {
    OptionKey key;
    const char* names;     // "-j, --jobs"
    const char* argument;  // "N"; empty when the option takes no value
    const char* what;      // what the argument is, for "needs ...": "a line number"
    const char* text;
};

// Every option of deducto-check, in the order --help lists them.
[[nodiscard]] std::span<const OptionHelp> OptionTable();

// The option one of whose names is `name` ("-j" or "--jobs"); null when there is none.
[[nodiscard]] const OptionHelp* FindOption(std::string_view name);

[[nodiscard]] inline bool TakesValue(const OptionHelp& option) { return *option.argument != '\0'; }

// The --help text, wrapped for an 80-column terminal.
[[nodiscard]] std::string HelpText();

// The manual page deducto-check(1) in roff (man) markup.
[[nodiscard]] std::string ManPage(std::string_view version);

}  // namespace deducto::cli
