// The local IPv4 adapters and the datagram sockets every UDP operation opens on them.
#pragma once
#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "net/adapter_choice.h"
#include "net/nas_device.h"

struct AdapterRow {
  char address[kDottedTextSize];  // the adapter's first address
  char mask[kDottedTextSize];
  SOCKET sendSocket;
  SOCKET receiveSocket;
};

// At most this many adapters take part in the device protocol. A search listens on all of them at
// once, so a further adapter costs no time, only two sockets; connected adapters take the rows
// before unconnected ones (ChooseAdapters), and the rest are left out of every search.
constexpr int kMaxAdapters = 32;

struct AdapterTable {
  AdapterRow rows[kMaxAdapters];
  int count;
  sockaddr_in groupAddress;  // 224.0.0.1:13579
  sockaddr_in bindAddress;   // the row being set up, port 13579
};

// The process-wide table. Only the worker holding UdpExchange touches it.
AdapterTable& Adapters();

// Holds the adapter sockets for one UDP operation from set-up to close: operations that overlap
// wait for each other here instead of reopening the sockets under one another's feet.
class UdpExchange {
public:
  // Starts Winsock 1.1 (the process ends with exit code 1 if it cannot), optionally lists the
  // adapters again, and opens the send and receive sockets of every row.
  explicit UdpExchange(bool enumerateAdapters);
  // Closes every row's sockets and releases Winsock.
  ~UdpExchange();
  UdpExchange(const UdpExchange&) = delete;
  UdpExchange& operator=(const UdpExchange&) = delete;

  // Sends through the row's send socket to the group, with the row's address as outgoing interface.
  bool SendToGroup(int row, const std::uint8_t* data, std::size_t length);
  // Waits up to `timeoutMs` for a datagram on the row's receive socket.
  enum class Wait { kReadable, kTimeout, kFailed };
  Wait WaitReadable(int row, int timeoutMs);
  // Waits up to `timeoutMs` for a datagram on any row's receive socket; `readableRows` gets the
  // rows that have one, in table order. kFailed also when there is no row to wait on: callers
  // that keep a time window must then wait out the time themselves.
  Wait WaitAnyReadable(int timeoutMs, std::vector<int>& readableRows);
  // Receives one datagram (at most kDatagramCapacity bytes) into `buffer`, which must hold one
  // byte more: a zero is put after the datagram. Returns its length, or -1 when receiving failed.
  int Receive(int row, std::uint8_t* buffer);

  // The adapters the last enumeration found no row for.
  const std::vector<ListedAdapter>& AdaptersLeftOut() const { return leftOut_; }

private:
  void EnumerateAdapters();
  Wait WaitForRows(const std::vector<int>& rows, int timeoutMs, std::vector<int>& readableRows);
  void OpenSockets();
  void CloseSockets();

  std::unique_lock<std::mutex> hold_;
  std::vector<ListedAdapter> leftOut_;
};
