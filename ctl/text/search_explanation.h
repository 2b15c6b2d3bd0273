// The text of `drovikctl search --explain`: what each adapter of the last search sent and heard,
// and what to look at when nothing was heard at all.
#pragma once
#include <string>
#include <vector>

#include "base/ansi_code_page.h"
#include "ctl/text/record_text.h"
#include "net/adapter_choice.h"
#include "net/nas_device.h"
#include "net/search_tally.h"

// `adapters` are the rows of the search's adapter table, `devices` its device list, whose texts
// are in `codePage`; they are printed escaped (PrintableText).
std::vector<std::string> ExplainSearch(const std::vector<ListedAdapter>& adapters,
                                       const SearchTally& tally,
                                       const std::vector<NasDeviceInfo>& devices,
                                       const AnsiCodePage& codePage);

// The counts of the same explanation as records for --json: one per adapter that took part (its
// address, mask, whether the search went out, and what it heard), then one per adapter left out.
std::vector<Record> AdapterRecords(const std::vector<ListedAdapter>& adapters,
                                   const SearchTally& tally);
