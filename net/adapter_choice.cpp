#include "net/adapter_choice.h"

#include <algorithm>

AdapterChoice ChooseAdapters(const std::vector<ListedAdapter>& listed, std::size_t rows) {
  AdapterChoice choice;
  choice.taking = listed;
  std::stable_partition(choice.taking.begin(), choice.taking.end(),
                        [](const ListedAdapter& a) { return a.address != "0.0.0.0"; });
  if (choice.taking.size() > rows) {
    const auto firstLeftOut = choice.taking.begin() + static_cast<std::ptrdiff_t>(rows);
    choice.leftOut.assign(firstLeftOut, choice.taking.end());
    choice.taking.erase(firstLeftOut, choice.taking.end());
  }
  return choice;
}
