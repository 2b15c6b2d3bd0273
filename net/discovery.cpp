// Device discovery: one search datagram through every adapter, then the adapter's listening window.
#include <algorithm>
#include <array>

#include "net/datagram.h"
#include "net/query.h"
#include "net/udp_sockets.h"

namespace {

// Each adapter listens for 32 polls of 70 ms. The window is kept as time rather than as a number of
// datagrams, so that a busy network with many devices cannot use it up early: every device that
// answers within it is heard.
constexpr ULONGLONG kListenWindowMs = 32 * 70;
constexpr int kPollMs = 70;

}  // namespace

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
    const DiscoveryId id = CurrentDiscoveryId();
    std::copy(id.bytes.begin(), id.bytes.end(), request.begin() + 1);
    const std::array<std::uint8_t, 3> expected{static_cast<std::uint8_t>(expectedReply[0]),
                                               static_cast<std::uint8_t>(expectedReply[1]),
                                               static_cast<std::uint8_t>(expectedReply[2])};
    const AdapterTable& adapters = Adapters();
    for (int row = 0; row < adapters.count; ++row) {
      udp.SendToGroup(row, request.data(), static_cast<std::size_t>(requestLength));
      const ULONGLONG deadline = GetTickCount64() + kListenWindowMs;
      for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
        const int wait = static_cast<int>(std::min<ULONGLONG>(kPollMs, deadline - now));
        const UdpExchange::Wait ready = udp.WaitReadable(row, wait);
        if (ready == UdpExchange::Wait::kFailed) Sleep(static_cast<DWORD>(wait));
        if (ready != UdpExchange::Wait::kReadable) continue;
        const int length = udp.Receive(row, receiveBuffer.data());
        SearchReplyFields reply;
        if (length >= 0 && DecodeSearchReply(receiveBuffer.data(), static_cast<std::size_t>(length),
                                             id, expected, reply))
          NasDeviceList::Instance().Merge(reply, row, adapters.rows[row].address,
                                          adapters.rows[row].mask);
      }
    }
  }
  ReportThroughMailbox();
}
