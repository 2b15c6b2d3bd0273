// One network operation, run once on a worker thread of its own.
//
// Life of a CQuery: a window allocates it with new, one starting call fills in the request and
// starts the thread, and the worker reports. A result stored in the mailbox (message 2024) belongs
// from then on to the window that takes it, which deletes it. Every other operation reports by
// value in the parameters of a posted message and then deletes itself on its worker thread, after
// the last thing it did; callers therefore never touch a CQuery after its start succeeded. A start
// that fails leaves the object to the caller, who deletes it (LaunchQuery does both).
#pragma once
#include <winsock2.h>

#include <cstdint>
#include <string>
#include <vector>

#include "net/login_datagram.h"
#include "net/messages.h"
#include "net/nas_device.h"
#include "net/thread.h"

class CQuery : public CThread {
public:
  explicit CQuery(HWND target);
  ~CQuery() override;

  // Searches every local adapter for devices; 2024 through the mailbox when all are done, with
  // NasDeviceList holding what answered.
  int SearchDevices();
  // Asks the device whether the user name and password are valid: 2024 through the mailbox when
  // accepted; when not, the credentials are cleared, the user is told, and nothing is posted.
  int CheckLogin(const std::wstring& userName, const std::wstring& password, int device);
  // Gives a device on another subnet new IPv4 settings: 2027, wParam 0 answered / 1 no answer.
  // `settings` must stay valid until this call returns.
  int SetDeviceIp(int device, const SetIpRequest* settings);

  // Device commands over HTTP; each reports as its kind does (2025 for the OpKind 3 family).
  int SetTimeZone(int device, int timeZoneIndex);

  void Run() override;

  int deviceIndex = -1;
  int OpKind = 0;
  int CmdIndex = 0;
  HWND targetWindow;
  int RequestToken = 0;
  unsigned char httpMode = 1;
  char peerAddress[kDottedTextSize] = {};
  std::uint16_t peerPort = 0;
  int expectedReply[3] = {0, 0, 0};
  SOCKET tcpSocket = INVALID_SOCKET;
  std::vector<std::uint8_t> request;
  std::vector<std::uint8_t> receiveBuffer;  // kDatagramCapacity bytes and room for a zero
  int requestLength = 0;
  int receiveBufferSize = 0;
  char deviceAddress[kDottedTextSize] = {};
  char newPassword[17] = {};
  int adapterIndex = -1;
  std::wstring unusedText;
  std::wstring accessText;
  const SetIpRequest* setIpRequest = nullptr;  // the caller's, read while the request is built

private:
  // Gives the operation its token and starts the thread; returns the token, 0 if not started.
  int StartOperation();
  // Creates the receive buffer; false when it already existed (the object ran before).
  bool CreateReceiveBuffer();

  // Copies the device's address and adapter row out of the device list; false beyond its end.
  bool TakeDeviceRecord(int device, NasDeviceInfo& record);
  // The request buffer of a UDP operation, holding `datagram`.
  void SetDatagram(const std::vector<std::uint8_t>& datagram);
  // Builds the HTTP request of a command; false (and a message) when it cannot be built.
  bool BuildCgiRequest(const std::string& body, int opKind, int cmdIndex);
  int StartCgiCommand(int device, int opKind, int cmdIndex, const std::string& body);

  void RunUdp();
  void RunSearch();
  void RunLoginCheck();
  void RunSetIp();
  void RunHttp();
  // The steps of one HTTP exchange; each false when it failed.
  bool OpenTcp();
  bool ConnectTcp();
  bool SendRequest();
  bool ReceiveAnswer();
  void CloseTcp();

  // The last acts of a worker: after them the object is no longer its own.
  void ReportThroughMailbox();
  void ReportByValue(unsigned message, WPARAM wParam, LPARAM lParam);
  void Dispose();
};

// Allocates a CQuery for `target`, runs the starting call on it and deletes it again when the
// operation did not start. Returns the request token (0: not started).
template <class StartingCall>
int LaunchQuery(HWND target, StartingCall start) {
  auto* query = new CQuery(target);
  const int token = start(*query);
  if (token == 0) delete query;
  return token;
}
