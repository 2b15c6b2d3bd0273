#include "net/win/udp_sockets.h"

#include <iphlpapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <numeric>
#include <optional>
#include <vector>

#include "net/datagram.h"

namespace {

std::mutex& ExchangeLock() {
  static std::mutex lock;
  return lock;
}

void CopyDotted(char* slot, const char* text) {
  std::memset(slot, 0, kDottedTextSize);
  std::memcpy(slot, text, strnlen(text, kDottedTextSize - 1));
}

void SetByteOption(SOCKET s, int level, int name, char value) {
  setsockopt(s, level, name, &value, 1);
}

// The system's adapter list can be unavailable for a moment (an adapter appearing between the
// size query and the read, a system under load). Taking that for "no adapters" made a search end
// at once with an empty list, so the listing is tried again for a short while.
constexpr int kListingAttempts = 8;
constexpr DWORD kListingRetryMs = 70;
constexpr ULONG kOneAdapterRecord = 648;

// Each adapter's first address and its mask, in the order the system gives them; nothing when the
// system could not list them.
std::optional<std::vector<ListedAdapter>> ListAdapters() {
  std::vector<unsigned char> buffer(kOneAdapterRecord);
  for (int attempt = 0; attempt < kListingAttempts; ++attempt) {
    ULONG size = static_cast<ULONG>(buffer.size());
    auto* first = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
    const DWORD result = GetAdaptersInfo(first, &size);
    if (result == ERROR_BUFFER_OVERFLOW && size > buffer.size()) {
      buffer.resize(size);
      continue;
    }
    if (result == ERROR_NO_DATA) return std::vector<ListedAdapter>{};
    if (result != NO_ERROR) {
      Sleep(kListingRetryMs);
      continue;
    }
    std::vector<ListedAdapter> listed;
    for (const IP_ADAPTER_INFO* adapter = first; adapter; adapter = adapter->Next)
      listed.push_back({adapter->IpAddressList.IpAddress.String, adapter->IpAddressList.IpMask.String});
    return listed;
  }
  return std::nullopt;
}

// Hundreds of devices answer a search within milliseconds of each other; the system's default
// receive buffer holds only about as many small datagrams, so a larger one is asked for.
constexpr int kReceiveBufferBytes = 1 << 20;

}  // namespace

AdapterTable& Adapters() {
  static AdapterTable table{};
  return table;
}

UdpExchange::UdpExchange(bool enumerateAdapters) : hold_(ExchangeLock()) {
  WSADATA data;
  if (WSAStartup(MAKEWORD(1, 1), &data) != 0) std::exit(1);
  if (enumerateAdapters) EnumerateAdapters();
  OpenSockets();
}

UdpExchange::~UdpExchange() {
  CloseSockets();
  WSACleanup();
}

void UdpExchange::EnumerateAdapters() {
  AdapterTable& table = Adapters();
  for (AdapterRow& row : table.rows) {
    std::memset(row.address, 0, sizeof row.address);
    std::memset(row.mask, 0, sizeof row.mask);
  }
  table.count = 0;

  const AdapterChoice choice = ChooseAdapters(ListAdapters().value_or(std::vector<ListedAdapter>{}),
                                              kMaxAdapters);
  for (const ListedAdapter& adapter : choice.taking) {
    AdapterRow& row = table.rows[table.count++];
    CopyDotted(row.address, adapter.address.c_str());
    CopyDotted(row.mask, adapter.mask.c_str());
  }
  leftOut_ = choice.leftOut;
  if (!leftOut_.empty())
    OutputDebugStringW(L"more adapters than table rows: the others are not searched\n");

  CurrentDiscoveryId() = MakeDiscoveryId(static_cast<unsigned>(std::time(nullptr)));
}

void UdpExchange::OpenSockets() {
  AdapterTable& table = Adapters();
  table.groupAddress = sockaddr_in{};
  table.groupAddress.sin_family = AF_INET;
  table.groupAddress.sin_port = htons(kDevicePort);
  table.groupAddress.sin_addr.s_addr = inet_addr(kDeviceGroup);

  for (int i = 0; i < table.count; ++i) {
    AdapterRow& row = table.rows[i];
    row.sendSocket = socket(AF_INET, SOCK_DGRAM, 0);
    SetByteOption(row.sendSocket, IPPROTO_IP, IP_MULTICAST_LOOP, 0);
  }
  for (int i = 0; i < table.count; ++i) {
    AdapterRow& row = table.rows[i];
    row.receiveSocket = socket(AF_INET, SOCK_DGRAM, 0);
    SetByteOption(row.receiveSocket, SOL_SOCKET, SO_REUSEADDR, 1);
    setsockopt(row.receiveSocket, SOL_SOCKET, SO_RCVBUF,
               reinterpret_cast<const char*>(&kReceiveBufferBytes), sizeof kReceiveBufferBytes);
    table.bindAddress = sockaddr_in{};
    table.bindAddress.sin_family = AF_INET;
    table.bindAddress.sin_port = htons(kDevicePort);
    table.bindAddress.sin_addr.s_addr = inet_addr(row.address);
    bind(row.receiveSocket, reinterpret_cast<sockaddr*>(&table.bindAddress),
         sizeof table.bindAddress);
    ip_mreq membership{};
    membership.imr_multiaddr.s_addr = inet_addr(kDeviceGroup);
    membership.imr_interface.s_addr = inet_addr(row.address);
    setsockopt(row.receiveSocket, IPPROTO_IP, IP_ADD_MEMBERSHIP,
               reinterpret_cast<const char*>(&membership), sizeof membership);
    SetByteOption(row.receiveSocket, IPPROTO_IP, IP_MULTICAST_LOOP, 0);
  }
}

void UdpExchange::CloseSockets() {
  AdapterTable& table = Adapters();
  for (int i = 0; i < table.count; ++i) {
    AdapterRow& row = table.rows[i];
    closesocket(row.sendSocket);
    closesocket(row.receiveSocket);
    row.sendSocket = row.receiveSocket = INVALID_SOCKET;
  }
}

bool UdpExchange::SendToGroup(int row, const std::uint8_t* data, std::size_t length) {
  AdapterTable& table = Adapters();
  AdapterRow& r = table.rows[row];
  in_addr outgoing{};
  outgoing.s_addr = inet_addr(r.address);
  setsockopt(r.sendSocket, IPPROTO_IP, IP_MULTICAST_IF, reinterpret_cast<const char*>(&outgoing),
             sizeof outgoing);
  const int sent = sendto(r.sendSocket, reinterpret_cast<const char*>(data),
                          static_cast<int>(length), 0,
                          reinterpret_cast<const sockaddr*>(&table.groupAddress),
                          sizeof table.groupAddress);
  return sent == static_cast<int>(length);
}

UdpExchange::Wait UdpExchange::WaitReadable(int row, int timeoutMs) {
  std::vector<int> readable;
  return WaitForRows({row}, timeoutMs, readable);
}

UdpExchange::Wait UdpExchange::WaitAnyReadable(int timeoutMs, std::vector<int>& readableRows) {
  std::vector<int> rows(static_cast<std::size_t>(Adapters().count));
  std::iota(rows.begin(), rows.end(), 0);
  return WaitForRows(rows, timeoutMs, readableRows);
}

UdpExchange::Wait UdpExchange::WaitForRows(const std::vector<int>& rows, int timeoutMs,
                                           std::vector<int>& readableRows) {
  static_assert(kMaxAdapters <= FD_SETSIZE, "every receive socket must fit one select");
  readableRows.clear();
  const AdapterTable& table = Adapters();
  fd_set readable;
  FD_ZERO(&readable);
  for (int row : rows)
    if (table.rows[row].receiveSocket != INVALID_SOCKET) FD_SET(table.rows[row].receiveSocket, &readable);
  if (readable.fd_count == 0) return Wait::kFailed;
  timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  const int ready = select(0, &readable, nullptr, nullptr, &timeout);
  if (ready < 0) return Wait::kFailed;
  for (int row : rows)
    if (FD_ISSET(table.rows[row].receiveSocket, &readable)) readableRows.push_back(row);
  return ready > 0 ? Wait::kReadable : Wait::kTimeout;
}

int UdpExchange::Receive(int row, std::uint8_t* buffer) {
  sockaddr_in from{};
  int fromLength = sizeof from;
  const int n = recvfrom(Adapters().rows[row].receiveSocket, reinterpret_cast<char*>(buffer),
                         static_cast<int>(kDatagramCapacity), 0,
                         reinterpret_cast<sockaddr*>(&from), &fromLength);
  if (n < 0) return -1;
  buffer[n] = 0;
  return n;
}
