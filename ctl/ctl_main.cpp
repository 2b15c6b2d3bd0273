// drovikctl: finds and talks to the devices from a console, over the program's own network layer.
#include <map>
#include <string>

#include "ctl/commands.h"
#include "ctl/console.h"
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

int Usage() {
  std::wstring text = L"usage: drovikctl COMMAND [options]\ncommands:";
  for (const auto& [name, command] : CommandTable()) text += L" " + name;
  PrintError(text);
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  UsePlainLineEnds();
  UseConsoleForUserMessages();
  ApplyLanguageSetting();
  if (argc < 2) return Usage();
  const auto found = CommandTable().find(argv[1]);
  if (found == CommandTable().end()) return Usage();
  return found->second(Arguments(argv + 2, argv + argc));
}
