#include "ctl/text/command_line.h"

#include <algorithm>

namespace {

constexpr OptionSpec kDevice{L"--device", L"NAME", L"the device's name, as the search lists it", true};
constexpr OptionSpec kUser{L"--user", L"U", L"the user to log in as", true};
constexpr OptionSpec kPassword{L"--password", L"P", L"that user's password", true};
constexpr OptionSpec kJson{L"--json", L"",
                           L"print one JSON document with the same fields instead of lines"};
constexpr OptionSpec kDhcp{L"--dhcp", L"", L"take the address from a DHCP server"};
constexpr OptionSpec kIp{L"--ip", L"A", L"the static address"};
constexpr OptionSpec kMask{L"--mask", L"M", L"the static address's network mask"};
constexpr OptionSpec kGateway{L"--gateway", L"G", L"the static address's gateway"};

constexpr std::wstring_view kHelpOption = L"--help";

// A command that logs in first: its own options, then the login's.
std::vector<OptionSpec> WithLogin(std::vector<OptionSpec> own) {
  own.insert(own.end(), {kDevice, kUser, kPassword});
  return own;
}

std::vector<CommandSpec> MakeSpecs() {
  const std::wstring_view commandEnd =
      L"Logs in first. Exits 0, or 1 with a message on standard error when the login or the "
      L"command failed.";
  return {
      {L"search", {}, {{L"--explain", L"", L"then say what each adapter sent and heard"}, kJson},
       L"list the devices that answer on the local network",
       L"Prints one line per device, in the order they first answered, tab-separated: name, "
       L"address, mask, gateway, DHCP flag, MAC address, and the address of the computer's adapter "
       L"it was reached through. Exits 0 also when nothing answered."},
      {L"login", {}, {kDevice, kUser, kPassword},
       L"check a user name and password with a device",
       L"Prints \"accepted\" (exit 0) or the device's rejection message (exit 1)."},
      {L"set-ip", {}, {kDevice, kDhcp, kIp, kMask, kGateway},
       L"move a device on another subnet (--dhcp, or --ip --mask --gateway)",
       L"Prints \"answered\" (exit 0) or \"no answer\" (exit 1)."},
      {L"info", {}, WithLogin({kJson}), L"print the device's settings",
       L"One line: address, mask, gateway, DHCP flag, DNS 1, DNS 2, name, workgroup, description, "
       L"time zone."},
      {L"volumes", {}, WithLogin({kJson}), L"print the device's volumes",
       L"One line per volume: number, total GB, used GB."},
      {L"disks", {}, WithLogin({kJson}), L"print the device's disks",
       L"The number of disks, then one line per disk: name, size in GB."},
      {L"shares", {}, WithLogin({kJson}), L"print the user's shares", L"One share name per line."},
      {L"access", {}, WithLogin({kJson}), L"print the user's access flags",
       L"One line of \"0\"/\"1\" flags."},
      {L"passwd", {L"NEW"}, WithLogin({}), L"change the logged-in user's password to NEW", commandEnd},
      {L"set-timezone", {L"N"}, WithLogin({}), L"set the device's time zone to number N (1-96)",
       commandEnd},
      {L"set-name", {},
       WithLogin({{L"--name", L"N", L"the device's name", true},
                  {L"--workgroup", L"W", L"its workgroup", true},
                  {L"--description", L"D", L"its description", true}}),
       L"set the device's name, workgroup and description", commandEnd},
      {L"set-network", {},
       WithLogin({kDhcp, kIp, kMask, kGateway, {L"--dns1", L"D", L"the first DNS server"},
                  {L"--dns2", L"D", L"the second DNS server"}}),
       L"set the device's network (--dhcp, or --ip --mask --gateway)", commandEnd},
      {L"mappings", {}, WithLogin({kJson}),
       L"print the user's shares with the drive letters they are mapped to",
       L"One line per share: name, letter (empty when none)."},
      {L"map", {L"SHARE", L"LETTER"}, WithLogin({}), L"map a share to a drive letter (Y, y or Y:)",
       commandEnd},
      {L"unmap", {L"LETTER"}, WithLogin({}), L"remove the mapping of a drive letter", commandEnd},
      {L"format", {},
       WithLogin({{L"--level", L"standard|linear|raid0|raid1", L"the volume type", true}}),
       L"create and format the device's volumes (destroys what the disks hold)",
       L"Prints the percentage as the format advances and \"Complete\" at the end. Exits 0 when "
       L"the sequence completed without a failure, 1 with the step's message otherwise."},
  };
}

const OptionSpec* FindOption(const CommandSpec& command, std::wstring_view name) {
  for (const OptionSpec& option : command.options)
    if (option.name == name) return &option;
  return nullptr;
}

std::wstring OptionUsage(const OptionSpec& option) {
  std::wstring text(option.name);
  if (!option.valueName.empty()) text += L" " + std::wstring(option.valueName);
  return option.required ? text : L"[" + text + L"]";
}

}  // namespace

const std::vector<CommandSpec>& CommandSpecs() {
  static const std::vector<CommandSpec> specs = MakeSpecs();
  return specs;
}

const CommandSpec* FindCommandSpec(std::wstring_view name) {
  for (const CommandSpec& spec : CommandSpecs())
    if (spec.name == name) return &spec;
  return nullptr;
}

std::optional<std::wstring> CommandLine::Value(std::wstring_view option) const {
  for (const auto& [name, value] : values)
    if (name == option) return value;
  return std::nullopt;
}

bool CommandLine::Flag(std::wstring_view option) const {
  return std::find(flags.begin(), flags.end(), option) != flags.end();
}

std::vector<std::wstring> CommandLine::CommandArguments() const {
  std::vector<std::wstring> args = positional;
  for (const auto& [name, value] : values) args.insert(args.end(), {name, value});
  args.insert(args.end(), flags.begin(), flags.end());
  return args;
}

CommandLine ParseCommandLine(const std::vector<std::wstring>& args) {
  CommandLine line;
  if (args.empty()) {
    line.error = L"no command given";
    return line;
  }
  if (args[0] == kHelpOption) {
    line.help = true;
    return line;
  }
  line.command = FindCommandSpec(args[0]);
  if (!line.command) {
    line.error = L"unknown command: " + args[0];
    return line;
  }
  const CommandSpec& command = *line.command;
  // --help anywhere asks for the command's help, whatever else is there.
  if (std::find(args.begin() + 1, args.end(), kHelpOption) != args.end()) {
    line.help = true;
    return line;
  }
  std::size_t at = 1;
  // Taken as they are: a new password may well start with "--".
  for (; at < args.size() && line.positional.size() < command.positional.size(); ++at)
    line.positional.push_back(args[at]);
  if (line.positional.size() < command.positional.size()) {
    line.error = L"missing " + std::wstring(command.positional[line.positional.size()]);
    return line;
  }
  for (; at < args.size(); ++at) {
    const OptionSpec* option = FindOption(command, args[at]);
    if (!option) {
      line.error = L"unexpected argument: " + args[at];
      return line;
    }
    const bool seen = line.Value(option->name) || line.Flag(option->name) ||
                      (option->name == kJson.name && line.json);
    if (seen) {
      line.error = L"given twice: " + args[at];
      return line;
    }
    if (option->valueName.empty()) {
      if (option->name == kJson.name) line.json = true;
      else line.flags.emplace_back(option->name);
      continue;
    }
    if (at + 1 >= args.size()) {
      line.error = L"missing the value of " + args[at];
      return line;
    }
    line.values.emplace_back(option->name, args[++at]);
  }
  for (const OptionSpec& option : command.options)
    if (option.required && !line.Value(option.name)) {
      line.error = L"missing " + std::wstring(option.name);
      return line;
    }
  return line;
}

std::wstring Synopsis(const CommandSpec& command) {
  std::wstring text = L"drovikctl " + std::wstring(command.name);
  for (const std::wstring_view value : command.positional) text += L" " + std::wstring(value);
  for (const OptionSpec& option : command.options) text += L" " + OptionUsage(option);
  return text;
}

std::wstring GeneralHelp() {
  std::wstring text =
      L"usage: drovikctl COMMAND [options]\n"
      L"Finds and talks to the NAS devices on the local network. Device texts are printed as "
      L"UTF-8 with control characters escaped (\\t, \\n, \\x1b); messages go to standard error.\n"
      L"Exit codes: 0 done, 1 the command failed, 2 a usage error.\n\ncommands:\n";
  for (const CommandSpec& command : CommandSpecs())
    text += L"  " + std::wstring(command.name) + L": " + std::wstring(command.summary) + L"\n    " +
            Synopsis(command) + L"\n";
  return text + L"\n\"drovikctl COMMAND --help\" describes a command and its options.";
}

std::wstring CommandHelp(const CommandSpec& command) {
  std::wstring text = L"usage: " + Synopsis(command) + L"\n" + std::wstring(command.summary) +
                      L".\n" + std::wstring(command.details) + L"\n";
  if (!command.positional.empty() || !command.options.empty()) text += L"\narguments:\n";
  for (const std::wstring_view value : command.positional)
    text += L"  " + std::wstring(value) + L"\n";
  for (const OptionSpec& option : command.options) {
    std::wstring left = std::wstring(option.name);
    if (!option.valueName.empty()) left += L" " + std::wstring(option.valueName);
    text += L"  " + left + L": " + std::wstring(option.help) +
            (option.required ? L" (required)" : L"") + L"\n";
  }
  return text;
}
