// The local IPv4 adapters and the datagram sockets every UDP operation opens on them.
#pragma once
#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstddef>
#include <cstdint>
#include <mutex>

#include "net/nas_device.h"

struct AdapterRow {
  char address[kDottedTextSize];  // the adapter's first address
  char mask[kDottedTextSize];
  SOCKET sendSocket;
  SOCKET receiveSocket;
};

// At most this many adapters take part in the device protocol; further ones (in the order the
// system lists them) are left out of every search, and the debugger output says so.
constexpr int kMaxAdapters = 8;

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
  // Receives one datagram (at most kDatagramCapacity bytes) into `buffer`, which must hold one
  // byte more: a zero is put after the datagram. Returns its length, or -1 when receiving failed.
  int Receive(int row, std::uint8_t* buffer);

private:
  void EnumerateAdapters();
  void OpenSockets();
  void CloseSockets();

  std::unique_lock<std::mutex> hold_;
};
