// drovikctl's command line: every command with its arguments and options, the check of what was
// typed against them, and the help texts made from the same table.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct OptionSpec {
  std::wstring_view name;       // "--device"
  std::wstring_view valueName;  // "NAME"; empty for a flag
  std::wstring_view help;
  bool required = false;
};

struct CommandSpec {
  std::wstring_view name;
  std::vector<std::wstring_view> positional;  // the values that come first, in order
  std::vector<OptionSpec> options;
  std::wstring_view summary;                   // one line for the command list
  std::wstring_view details;                   // what it prints and how it ends
};

// Every command, in the order the help lists them.
const std::vector<CommandSpec>& CommandSpecs();
const CommandSpec* FindCommandSpec(std::wstring_view name);

// What the command line asks for: help, or a command with its arguments checked against its spec
// (positional values present, every option known, given once, with its value, and the required
// ones there). Whether options that exclude each other were mixed is the command's own check.
struct CommandLine {
  const CommandSpec* command = nullptr;  // none: general help or a usage error
  bool help = false;
  bool json = false;
  std::vector<std::wstring> positional;
  std::vector<std::pair<std::wstring, std::wstring>> values;  // value options as given
  std::vector<std::wstring> flags;                            // flags as given, --json left out
  std::wstring error;  // empty when the line is usable

  std::optional<std::wstring> Value(std::wstring_view option) const;
  bool Flag(std::wstring_view option) const;
  // The command's arguments as typed, with --json and --help left out.
  std::vector<std::wstring> CommandArguments() const;
};

// `args` are the words after the program's name.
CommandLine ParseCommandLine(const std::vector<std::wstring>& args);

// "drovikctl --help": every command with its synopsis and summary.
std::wstring GeneralHelp();
// "drovikctl COMMAND --help": its synopsis, what it does, and every option.
std::wstring CommandHelp(const CommandSpec& command);
// The one-line usage of a command, as usage errors print it.
std::wstring Synopsis(const CommandSpec& command);
