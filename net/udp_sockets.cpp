#include "net/udp_sockets.h"

#include <iphlpapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
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

  std::vector<unsigned char> buffer(648);
  ULONG size = static_cast<ULONG>(buffer.size());
  if (GetAdaptersInfo(reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data()), &size) ==
      ERROR_BUFFER_OVERFLOW)
    buffer.resize(size);
  size = static_cast<ULONG>(buffer.size());
  auto* adapter = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
  if (GetAdaptersInfo(adapter, &size) == NO_ERROR) {
    for (; adapter; adapter = adapter->Next) {
      if (table.count == kMaxAdapters) {
        OutputDebugStringW(L"more than 8 adapters: the others are not searched\n");
        break;
      }
      AdapterRow& row = table.rows[table.count++];
      CopyDotted(row.address, adapter->IpAddressList.IpAddress.String);
      CopyDotted(row.mask, adapter->IpAddressList.IpMask.String);
    }
  }

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
  SOCKET s = Adapters().rows[row].receiveSocket;
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(s, &readable);
  timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  const int ready = select(0, &readable, nullptr, nullptr, &timeout);
  if (ready < 0) return Wait::kFailed;
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
