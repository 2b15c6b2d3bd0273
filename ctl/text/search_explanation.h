// The text of `drovikctl search --explain`: what each adapter of the last search sent and heard,
// and what to look at when nothing was heard at all.
#pragma once
#include <string>
#include <vector>

#include "net/adapter_choice.h"
#include "net/nas_device.h"
#include "net/search_tally.h"

// `adapters` are the rows of the search's adapter table, `devices` its device list.
std::vector<std::string> ExplainSearch(const std::vector<ListedAdapter>& adapters,
                                       const SearchTally& tally,
                                       const std::vector<NasDeviceInfo>& devices);
