// Ids as the scripts write them: a number, or an IDD_/IDC_/IDB_/IDI_ name of the program's
// resource header (the table is generated from that header when the driver is built).
#pragma once
#include <optional>
#include <string_view>

std::optional<int> ResolveId(std::string_view text);
