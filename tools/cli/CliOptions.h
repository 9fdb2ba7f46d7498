// CCliOptions: one cpz5-cli command line after the command name: positional
// arguments and the options the command accepts.
//
// An option takes a value ("-o FILE", "--market USA", also "--market=USA")
// or is a flag ("--yes"). Anything that begins with "-" and is not one of
// the accepted options is an error; so is an option without its value or
// given twice, unless it is repeatable.
//
// The radio's market version is "--market"; its old name "--version" (which
// now means the program's version) still works with a value, with a notice.
// Commands accept it as kMarketOption and read it under that name.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct SCliOptionDef {
    std::string_view name;  // "-o", "--version", "--yes"
    bool takesValue;
    bool repeatable = false;  // may be given more than once ("--port P1 --port P2")
};

class CCliOptions {
  public:
    static constexpr std::string_view kMarketOption = "--version";
    static constexpr std::string_view kMarketName = "--market";

    // Parses arguments; false with Error() set when they break the rules.
    bool Parse(std::span<const std::string> arguments, std::span<const SCliOptionDef> accepted);
    const std::string& Error() const { return m_error; }
    // What the user should know about the options given ("" for nothing):
    // the old name of an option that was renamed.
    const std::string& Notice() const { return m_notice; }

    const std::vector<std::string>& Positionals() const { return m_positionals; }
    // The value of an option (the first of a repeatable one), or none when it
    // was not given.
    std::optional<std::string> Value(std::string_view name) const;
    // Every value of an option, in the order given.
    std::vector<std::string> Values(std::string_view name) const;
    bool Has(std::string_view name) const { return m_values.count(std::string(name)) != 0; }

  private:
    bool Fail(std::string error);
    std::string AcceptedName(std::string name);

    std::vector<std::string> m_positionals;
    std::map<std::string, std::string> m_values;
    std::map<std::string, std::vector<std::string>> m_repeated;
    std::string m_error;
    std::string m_notice;
};
