// What each adapter of the last search sent and heard, counted by the search itself, so that an
// empty or short device list can be explained.
#pragma once
#include <string>
#include <vector>

#include "net/adapter_choice.h"
#include "net/datagram.h"

struct AdapterTally {
  bool searchSent = false;
  int heard = 0;  // datagrams received, whatever they were
  int accepted = 0;
  int notAReply = 0;
  int tooShort = 0;
  int otherSearch = 0;
  int otherProduct = 0;

  void Count(SearchReplyVerdict verdict);
  int Ignored() const { return heard - accepted; }
};

struct SearchTally {
  std::vector<AdapterTally> adapters;   // by adapter table row
  std::vector<ListedAdapter> leftOut;   // adapters that had no row

  // Forgets the last search: `rows` adapters, none sent through, nothing heard.
  void Begin(int rows, std::vector<ListedAdapter> adaptersLeftOut);
  int Heard() const;
};

// The tally of the last search. Written by the search's worker; read after its completion message,
// like the device list.
SearchTally& LastSearchTally();
