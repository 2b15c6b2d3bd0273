// What a search does with each reply it hears, for 10 000 replies: the checks, the copy of the
// fields and the merge into the device list. Reported as time per reply. Two loads: every reply
// from another device, and each device heard twice (through two adapters, the second one holding
// its subnet), which takes the path of a device already listed.
#include <benchmark/benchmark.h>

#include <vector>

#include "net/datagram.h"
#include "net/nas_device.h"

namespace {

constexpr int kReplies = 10000;

DiscoveryId SearchId() {
  DiscoveryId id;
  for (int i = 0; i < 6; ++i) id.bytes[i] = static_cast<std::uint8_t>(0x51 + i);
  return id;
}

// Replies of `devices` distinct devices, repeated until there are kReplies of them.
std::vector<std::vector<std::uint8_t>> Replies(int devices) {
  std::vector<std::vector<std::uint8_t>> replies;
  for (int n = 0; n < kReplies; ++n) {
    const int device = n % devices;
    SearchReplyContent c;
    c.mac = {0x02, 0, 0, static_cast<std::uint8_t>(device >> 16), static_cast<std::uint8_t>(device >> 8),
             static_cast<std::uint8_t>(device)};
    c.ipv4 = {198, 51, static_cast<std::uint8_t>(100 + (device >> 8 & 3)), static_cast<std::uint8_t>(device)};
    c.mask = "255.255.252.0";
    c.gateway = "198.51.100.1";
    c.name = "NAS-" + std::to_string(device);
    replies.push_back(EncodeSearchReply(c, SearchId().bytes.data()));
  }
  return replies;
}

void MergeReplies(benchmark::State& state, int devices) {
  const auto replies = Replies(devices);
  const DiscoveryId id = SearchId();
  NasDeviceList list;
  for (auto _ : state) {
    list.Clear();
    for (int n = 0; n < kReplies; ++n) {
      const auto& d = replies[static_cast<std::size_t>(n)];
      SearchReplyFields fields;
      if (ClassifySearchReply(d.data(), d.size(), id, kProductBytes) == SearchReplyVerdict::kAccepted &&
          DecodeSearchReply(d.data(), d.size(), id, kProductBytes, fields)) {
        // The first hearing comes through an adapter of another subnet, the second through its own.
        const bool second = n >= devices;
        list.Merge(fields, second ? 1 : 0, second ? "198.51.100.10" : "192.0.2.10",
                   second ? "255.255.252.0" : "255.255.255.0");
      }
    }
    benchmark::DoNotOptimize(list.Count());
  }
  state.counters["per_reply"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * kReplies,
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["devices"] = list.Count();
}

void BM_MergeTenThousandDevices(benchmark::State& state) { MergeReplies(state, kReplies); }
void BM_MergeFiveThousandDevicesHeardTwice(benchmark::State& state) {
  MergeReplies(state, kReplies / 2);
}

}  // namespace

BENCHMARK(BM_MergeTenThousandDevices)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeFiveThousandDevicesHeardTwice)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
