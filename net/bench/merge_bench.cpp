// Reading and merging a listening window's worth of search replies: 50 000 from distinct MACs
// (a flood of spoofed devices; the list keeps the first kMaxDevices) and 50 000 from the devices
// already listed (every device answering again and again). Time per reply is the figure to read.
#include <benchmark/benchmark.h>

#include <vector>

#include "net/datagram.h"

namespace {

constexpr int kReplies = 50000;

std::vector<std::vector<std::uint8_t>> Replies(const DiscoveryId& id, int distinct) {
  std::vector<std::vector<std::uint8_t>> replies;
  for (int i = 0; i < kReplies; ++i) {
    const int device = i % distinct;
    SearchReplyContent content;
    content.mac = {0x02, 0xf1, 0, static_cast<std::uint8_t>(device >> 16),
                   static_cast<std::uint8_t>(device >> 8), static_cast<std::uint8_t>(device)};
    content.ipv4 = {192, 0, 2, static_cast<std::uint8_t>(device)};
    content.mask = "255.255.255.0";
    content.gateway = "192.0.2.1";
    content.name = "NAS-" + std::to_string(device);
    replies.push_back(EncodeSearchReply(content, id.bytes.data()));
  }
  return replies;
}

void MergeWindow(benchmark::State& state, int distinct) {
  const DiscoveryId id = MakeDiscoveryId(1);
  const auto replies = Replies(id, distinct);
  NasDeviceList list;
  for (auto _ : state) {
    list.Clear();
    for (const auto& reply : replies) {
      SearchReplyFields fields;
      if (DecodeSearchReply(reply.data(), reply.size(), id, kProductBytes, fields))
        list.Merge(fields, 0, "192.0.2.10", "255.255.255.0");
    }
    benchmark::DoNotOptimize(list.Count());
  }
  // Seconds per reply (printed with an SI prefix: n for nanoseconds).
  state.counters["per_reply"] = benchmark::Counter(
      kReplies, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["kept"] = list.Count();
}

void BM_MergeDistinctReplies(benchmark::State& state) { MergeWindow(state, kReplies); }
void BM_MergeRepeatedReplies(benchmark::State& state) {
  MergeWindow(state, NasDeviceList::kMaxDevices);
}

}  // namespace

BENCHMARK(BM_MergeDistinctReplies)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeRepeatedReplies)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
