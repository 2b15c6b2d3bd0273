// What the main window says when a search ended without a device to log in to: what each adapter
// sent and heard, the datagrams ignored and why, and the likely causes, in the current language.
// It reads the same outcome and names the same causes as `drovikctl search --explain`.
#pragma once
#include <string>
#include <vector>

#include "net/search_report.h"

// The explanation of a search that listed no device (kNothingHeard, kAllIgnored), one line each,
// joined with line breaks.
std::u16string ExplainEmptySearch(const std::vector<ListedAdapter>& adapters, const SearchTally& tally);

// The one line shown when every device found sits on another subnet.
std::u16string OtherSubnetHint();

// The mark after the address of a device on another subnet than every adapter.
std::u16string OtherSubnetMark();
