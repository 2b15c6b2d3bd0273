// drovikctl: finds and talks to the devices from a console, over the program's own network layer.
#include <map>
#include <string>

#include "ctl/commands.h"
#include "ctl/console.h"
#include "ctl/text/command_line.h"
#include "i18n/win/win_language.h"

namespace {

using Command = int (*)(const Arguments&);

const std::map<std::wstring, Command>& CommandTable() {
  static const std::map<std::wstring, Command> table{
      {L"access", &RunAccessCommand},
      {L"disks", &RunDisksCommand},
      {L"format", &RunFormatCommand},
      {L"info", &RunInfoCommand},
      {L"login", &RunLoginCommand},
      {L"map", &RunMapCommand},
      {L"mappings", &RunMappingsCommand},
      {L"passwd", &RunPasswdCommand},
      {L"search", &RunSearchCommand},
      {L"set-ip", &RunSetIpCommand},
      {L"set-name", &RunSetNameCommand},
      {L"set-network", &RunSetNetworkCommand},
      {L"set-timezone", &RunSetTimeZoneCommand},
      {L"shares", &RunSharesCommand},
      {L"unmap", &RunUnmapCommand},
      {L"volumes", &RunVolumesCommand},
  };
  return table;
}

// Help goes to standard output as it is written: it is the program's own text.
int Help(const CommandLine& line) {
  PrintLine(ToUtf8(line.command ? CommandHelp(*line.command) : GeneralHelp()));
  return 0;
}

int UsageError(const CommandLine& line) {
  PrintError(line.error);
  PrintError(line.command ? L"usage: " + Synopsis(*line.command)
                          : std::wstring(L"usage: drovikctl COMMAND [options]; drovikctl --help lists the commands"));
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  UsePlainLineEnds();
  UseConsoleForUserMessages();
  ApplyLanguageSetting();
  const CommandLine line = ParseCommandLine(Arguments(argv + 1, argv + argc));
  if (line.help) return Help(line);
  if (!line.error.empty()) return UsageError(line);
  const auto found = CommandTable().find(std::wstring(line.command->name));
  if (found == CommandTable().end()) return UsageError(line);
  UseJsonOutput(line.json);
  return found->second(line.CommandArguments());
}
