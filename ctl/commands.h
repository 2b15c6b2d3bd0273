// The console tool's commands. Each returns the process exit code.
#pragma once
#include <string>
#include <vector>

using Arguments = std::vector<std::wstring>;

int RunSearchCommand(const Arguments& args);
int RunLoginCommand(const Arguments& args);
int RunSetIpCommand(const Arguments& args);
int RunSetTimeZoneCommand(const Arguments& args);
