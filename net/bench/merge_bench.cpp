// What a search does with each reply it hears: the checks, the copy of the fields and the merge
// into the device list, for a listening window's worth of replies (10 000 and 50 000). Time per
// reply is the figure to read. Three loads: every reply from another device (a flood of spoofed
// devices: the list keeps the first kMaxDevices), each device heard twice (through two adapters,
// the second one holding its subnet, which takes the path of a device already listed), and the
// listed devices answering again and again.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "net/datagram.h"
#include "net/nas_device.h"

namespace {

std::vector<std::vector<std::uint8_t>> Replies(const DiscoveryId& id, int replies, int distinct) {
  std::vector<std::vector<std::uint8_t>> out;
  for (int n = 0; n < replies; ++n) {
    const int device = n % distinct;
    SearchReplyContent content;
    content.mac = {0x02, 0xf1, 0, static_cast<std::uint8_t>(device >> 16),
                   static_cast<std::uint8_t>(device >> 8), static_cast<std::uint8_t>(device)};
    content.ipv4 = {198, 51, static_cast<std::uint8_t>(100 + (device >> 8 & 3)),
                    static_cast<std::uint8_t>(device)};
    content.mask = "255.255.252.0";
    content.gateway = "198.51.100.1";
    content.name = "NAS-" + std::to_string(device);
    out.push_back(EncodeSearchReply(content, id.bytes.data()));
  }
  return out;
}

// `distinct` devices answer until `replies` replies were heard; with `twoAdapters` the first
// hearing of each comes through an adapter of another subnet and the later ones through its own.
void MergeWindow(benchmark::State& state, int distinct, bool twoAdapters) {
  const int replies = static_cast<int>(state.range(0));
  const DiscoveryId id = MakeDiscoveryId(1);
  const auto datagrams = Replies(id, replies, distinct > 0 ? distinct : replies);
  NasDeviceList list;
  for (auto _ : state) {
    list.Clear();
    for (std::size_t n = 0; n < datagrams.size(); ++n) {
      const auto& d = datagrams[n];
      SearchReplyFields fields;
      if (ClassifySearchReply(d.data(), d.size(), id, kProductBytes) != SearchReplyVerdict::kAccepted ||
          !DecodeSearchReply(d.data(), d.size(), id, kProductBytes, fields)) {
        continue;
      }
      const bool ownSubnet = twoAdapters && static_cast<int>(n) >= distinct;
      list.Merge(fields, ownSubnet ? 1 : 0, ownSubnet ? "198.51.100.10" : "192.0.2.10",
                 ownSubnet ? "255.255.252.0" : "255.255.255.0");
    }
    benchmark::DoNotOptimize(list.Count());
  }
  // Seconds per reply (printed with an SI prefix: n for nanoseconds).
  state.counters["per_reply"] = benchmark::Counter(
      replies, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["kept"] = list.Count();
}

void BM_MergeDistinctReplies(benchmark::State& state) { MergeWindow(state, 0, false); }
void BM_MergeDevicesHeardTwice(benchmark::State& state) {
  MergeWindow(state, static_cast<int>(state.range(0)) / 2, true);
}
void BM_MergeRepeatedReplies(benchmark::State& state) {
  MergeWindow(state, NasDeviceList::kMaxDevices, false);
}

}  // namespace

BENCHMARK(BM_MergeDistinctReplies)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeDevicesHeardTwice)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeRepeatedReplies)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
