// Which of the computer's adapters take part in the device protocol when it has more than the
// adapter table holds.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

struct ListedAdapter {
  std::string address;  // dotted text of its first IPv4 address; "0.0.0.0" when unconnected
  std::string mask;
};

struct AdapterChoice {
  std::vector<ListedAdapter> taking;   // in the order they fill the table's rows
  std::vector<ListedAdapter> leftOut;  // connected ones first, as they would have followed
};

// Connected adapters (with an address other than 0.0.0.0) fill the rows first, then the
// unconnected ones, each group in the order the system lists it: a device can only answer through
// an adapter that has an address, so those must never be the ones crowded out.
AdapterChoice ChooseAdapters(const std::vector<ListedAdapter>& listed, std::size_t rows);
