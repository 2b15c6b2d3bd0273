// Device discovery: the search datagram through every adapter, then one listening window in which
// the receive sockets of all adapters are read together.
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "net/datagram.h"
#include "net/win/query.h"
#include "net/search_report.h"
#include "net/search_tally.h"
#include "net/win/udp_sockets.h"

namespace {

// The window is 32 polls of 70 ms from the last send, shared by every adapter, so a computer with
// many adapters waits no longer than one with a single adapter. It is kept as time rather than as
// a number of datagrams, so that a busy network cannot use it up early: every device that answers
// within it is heard. Nothing but the clock ends it.
constexpr ULONGLONG kListenWindowMs = 32 * 70;
constexpr int kPollMs = 70;
constexpr int kMaxRoundsAfterWindow = 4096;

std::vector<ListedAdapter> ListedRows(const AdapterTable& adapters) {
  std::vector<ListedAdapter> rows;
  for (int row = 0; row < adapters.count; ++row)
    rows.push_back({adapters.rows[row].address, adapters.rows[row].mask});
  return rows;
}

}  // namespace

void CQuery::PostNewEntry(const AdapterTable& adapters) {
  auto entry = std::make_unique<SearchEntry>();
  entry->index = NasDeviceList::Instance().Count() - 1;
  if (!NasDeviceList::Instance().CopyAt(entry->index, entry->device)) return;
  entry->device.next = nullptr;
  entry->otherSubnet = OffEveryAdapterSubnet(ListedRows(adapters), entry->device);
  // Posted under this search's token: the window drops it unread when another request has
  // overtaken the search, as it drops the final result. A window that is gone cannot take it.
  if (PostMessageW(targetWindow, WM_SEARCH_ENTRY, reinterpret_cast<WPARAM>(entry.get()),
                   static_cast<LPARAM>(RequestToken)))
    entry.release();
}

int CQuery::SearchDevices() {
  OpKind = kOpDiscovery;
  expectedReply[0] = kProductBytes[0];
  expectedReply[1] = kProductBytes[1];
  expectedReply[2] = kProductBytes[2];
  SetDatagram(EncodeSearchRequest(CurrentDiscoveryId()));
  return StartOperation();
}

void CQuery::RunSearch() {
  if (!CreateReceiveBuffer()) return;  // ran before: reports nothing again
  {
    UdpExchange udp(/*enumerateAdapters=*/true);
    // The list is emptied here, under the exchange, so an overlapping search cannot interleave
    // its records with this one's.
    NasDeviceList::Instance().Clear();
    const AdapterTable& adapters = Adapters();
    SearchTally& tally = LastSearchTally();
    tally.Begin(adapters.count, udp.AdaptersLeftOut());
    const DiscoveryId id = CurrentDiscoveryId();
    std::copy(id.bytes.begin(), id.bytes.end(), request.begin() + 1);
    const std::array<std::uint8_t, 3> expected{static_cast<std::uint8_t>(expectedReply[0]),
                                               static_cast<std::uint8_t>(expectedReply[1]),
                                               static_cast<std::uint8_t>(expectedReply[2])};

    for (int row = 0; row < adapters.count; ++row)
      tally.adapters[static_cast<std::size_t>(row)].searchSent =
          udp.SendToGroup(row, request.data(), static_cast<std::size_t>(requestLength));

    // One datagram per adapter and round: a burst on one adapter cannot keep the others
    // waiting. A device heard through several adapters counts as first heard through the one
    // its answer reached first.
    std::vector<int> readableRows;
    const auto readRound = [&] {
      for (int row : readableRows) {
        const int length = udp.Receive(row, receiveBuffer.data());
        if (length < 0) continue;
        const SearchReplyVerdict verdict = ClassifySearchReply(
            receiveBuffer.data(), static_cast<std::size_t>(length), id, expected);
        tally.adapters[static_cast<std::size_t>(row)].Count(verdict);
        SearchReplyFields reply;
        if (verdict == SearchReplyVerdict::kAccepted &&
            DecodeSearchReply(receiveBuffer.data(), static_cast<std::size_t>(length), id, expected,
                              reply) &&
            NasDeviceList::Instance().Merge(reply, row, adapters.rows[row].address,
                                            adapters.rows[row].mask) ==
                NasDeviceList::MergeResult::kAdded)
          PostNewEntry(adapters);
      }
    };
    const ULONGLONG deadline = GetTickCount64() + kListenWindowMs;
    for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
      const int wait = static_cast<int>(std::min<ULONGLONG>(kPollMs, deadline - now));
      const UdpExchange::Wait ready = udp.WaitAnyReadable(wait, readableRows);
      // A wait that fails at once (no socket to wait on) must not turn into a busy loop that
      // ends the window early in appearance only: the time passes here instead.
      if (ready == UdpExchange::Wait::kFailed) Sleep(static_cast<DWORD>(wait));
      readRound();
    }
    // Answers that arrived within the window but were still queued when it ended (the worker
    // was not given the processor in time on a loaded computer) are heard too; the rounds are
    // bounded so that a flood of datagrams cannot hold the search.
    for (int round = 0; round < kMaxRoundsAfterWindow &&
                        udp.WaitAnyReadable(0, readableRows) == UdpExchange::Wait::kReadable;
         ++round)
      readRound();
  }
  ReportThroughMailbox();
}
