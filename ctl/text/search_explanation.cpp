#include "ctl/text/search_explanation.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "net/search_report.h"

namespace {

// Long device lists are cut: the counts say how many there are, the names only help to recognise.
constexpr std::size_t kNamesShown = 8;

std::string Named(const NasDeviceInfo& device, const AnsiCodePage& codePage) {
  const std::string name = device.name[0] ? PrintableText(codePage.ToText(device.name)) : "(no name)";
  return name + " " + PrintableText(codePage.ToText(device.address));
}

std::string DeviceCount(const std::vector<const NasDeviceInfo*>& devices,
                        const AnsiCodePage& codePage) {
  std::string text = std::to_string(devices.size());
  for (std::size_t i = 0; i < devices.size() && i < kNamesShown; ++i)
    text += (i == 0 ? " (" : ", ") + Named(*devices[i], codePage);
  if (devices.size() > kNamesShown)
    text += ", and " + std::to_string(devices.size() - kNamesShown) + " more";
  if (!devices.empty()) text += ")";
  return text;
}

void ExplainAdapter(std::vector<std::string>& lines, int row, const ListedAdapter& adapter,
                    const AdapterTally& tally, const std::vector<NasDeviceInfo>& devices,
                    const AnsiCodePage& codePage) {
  std::vector<const NasDeviceInfo*> reached, elsewhere;
  for (const NasDeviceInfo& device : devices) {
    if (device.adapterIndex != row) continue;
    reached.push_back(&device);
    if (!SameSubnet(adapter.address.c_str(), adapter.mask.c_str(), device.address, device.mask))
      elsewhere.push_back(&device);
  }
  lines.push_back("adapter " + std::to_string(row + 1) + ": " + adapter.address + " mask " +
                  adapter.mask);
  lines.push_back(std::string("  search sent: ") + (tally.searchSent ? "yes" : "no"));
  lines.push_back("  datagrams heard: " + std::to_string(tally.heard) +
                  ", accepted: " + std::to_string(tally.accepted) +
                  ", ignored: " + std::to_string(tally.Ignored()));
  lines.push_back("  ignored as another product: " + std::to_string(tally.otherProduct) +
                  ", as an answer to another search: " + std::to_string(tally.otherSearch) +
                  ", as too short or malformed: " + std::to_string(tally.tooShort) +
                  ", as not a search answer: " + std::to_string(tally.notAReply));
  lines.push_back("  devices found through it: " + DeviceCount(reached, codePage));
  std::string otherSubnet = "  devices found on another subnet: " + DeviceCount(elsewhere, codePage);
  if (!elsewhere.empty())
    otherSubnet += "; logging in as administrator offers to move them to this subnet";
  lines.push_back(otherSubnet);
}

void AdviseOnSilence(std::vector<std::string>& lines) {
  lines.push_back("nothing at all was heard. Likely causes:");
  for (std::size_t i = 0; i < std::size(kSilenceCauses); ++i)
    lines.push_back("  - " + std::string(kSilenceCauses[i]) +
                    (i + 1 < std::size(kSilenceCauses) ? ";" : "."));
}

}  // namespace

std::vector<std::string> ExplainSearch(const std::vector<ListedAdapter>& adapters,
                                       const SearchTally& tally,
                                       const std::vector<NasDeviceInfo>& devices,
                                       const AnsiCodePage& codePage) {
  std::vector<std::string> lines;
  const std::size_t rows = std::min(adapters.size(), tally.adapters.size());
  if (rows == 0) lines.push_back("no network adapter with IPv4 took part in the search");
  for (std::size_t row = 0; row < rows; ++row)
    ExplainAdapter(lines, static_cast<int>(row), adapters[row], tally.adapters[row], devices,
                   codePage);
  for (const ListedAdapter& adapter : tally.leftOut)
    lines.push_back("adapter left out: " + adapter.address + " mask " + adapter.mask +
                    " (more adapters than the search uses)");
  if (tally.Heard() == 0) AdviseOnSilence(lines);
  return lines;
}

std::vector<Record> AdapterRecords(const std::vector<ListedAdapter>& adapters,
                                   const SearchTally& tally) {
  const auto text = [](const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); };
  std::vector<Record> records;
  const std::size_t rows = std::min(adapters.size(), tally.adapters.size());
  for (std::size_t row = 0; row < rows; ++row) {
    const AdapterTally& counts = tally.adapters[row];
    records.push_back({TextField("address", text(adapters[row].address)),
                       TextField("mask", text(adapters[row].mask)),
                       NumberField("searchSent", counts.searchSent ? 1 : 0),
                       NumberField("heard", counts.heard), NumberField("accepted", counts.accepted),
                       NumberField("ignored", counts.Ignored()),
                       NumberField("otherProduct", counts.otherProduct),
                       NumberField("otherSearch", counts.otherSearch),
                       NumberField("tooShort", counts.tooShort),
                       NumberField("notAReply", counts.notAReply)});
  }
  for (const ListedAdapter& adapter : tally.leftOut)
    records.push_back({TextField("address", text(adapter.address)), TextField("mask", text(adapter.mask)),
                       NumberField("leftOut", 1)});
  return records;
}
