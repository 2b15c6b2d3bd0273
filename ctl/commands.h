// The console tool's commands. Each returns the process exit code.
#pragma once
#include <string>
#include <vector>

using Arguments = std::vector<std::wstring>;

int RunSearchCommand(const Arguments& args);
int RunLoginCommand(const Arguments& args);
int RunSetIpCommand(const Arguments& args);
int RunSetTimeZoneCommand(const Arguments& args);
int RunPasswdCommand(const Arguments& args);
int RunSetNameCommand(const Arguments& args);
int RunSetNetworkCommand(const Arguments& args);
int RunInfoCommand(const Arguments& args);
int RunVolumesCommand(const Arguments& args);
int RunDisksCommand(const Arguments& args);
int RunSharesCommand(const Arguments& args);
int RunAccessCommand(const Arguments& args);
int RunMappingsCommand(const Arguments& args);
int RunMapCommand(const Arguments& args);
int RunUnmapCommand(const Arguments& args);
int RunFormatCommand(const Arguments& args);
