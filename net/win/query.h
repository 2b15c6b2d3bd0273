// One network operation, run once on a worker thread of its own.
//
// Life of a CQuery: a window allocates it with new, one starting call fills in the request and
// starts the thread, and the worker reports. A result stored in the mailbox (message 2024) belongs
// from then on to the window that takes it, which deletes it. Every other operation reports by
// value in the parameters of a posted message and then deletes itself on its worker thread, after
// the last thing it did; callers therefore never touch a CQuery after its start succeeded. A start
// that fails leaves the object to the caller, who deletes it (LaunchQuery does both).
//
// A worker never shows anything to the user itself: what the user is to be told (`notices`)
// travels with the result to the window that waits for it, which shows it on its own thread,
// owned by itself; the console tool prints it. An operation that has notices reports through the
// mailbox: as its mailbox result when it has one, otherwise as a carrier (2024 with wParam
// kCarrierParam) that holds the notices and, behind them, the results it would have posted by
// value, so that those reach the window only after the user has read the notices.
#pragma once
#include <winsock2.h>

#include <cstdint>
#include <string>
#include <vector>

#include "net/win/user_message.h"

#include "base/messages.h"
#include "net/answer_records.h"
#include "net/device_commands.h"
#include "net/chosen_device.h"
#include "net/login_datagram.h"
#include "net/nas_device.h"
#include "net/win/thread.h"

struct AdapterTable;

class CQuery : public CThread {
public:
  explicit CQuery(HWND target);
  ~CQuery() override;

  // Searches every local adapter for devices; 2024 through the mailbox when all are done, with
  // NasDeviceList holding what answered.
  int SearchDevices();
  // Asks the device whether the user name and password are valid: 2024 through the mailbox when
  // accepted; when not, the credentials are cleared, the user is told, and nothing is posted.
  int CheckLogin(const std::wstring& userName, const std::wstring& password, const ChosenDevice& device);
  // Gives a device on another subnet new IPv4 settings: 2027, wParam 0 answered / 1 no answer.
  // `settings` must stay valid until this call returns.
  int SetDeviceIp(const ChosenDevice& device, const SetIpRequest* settings);

  // Device commands over HTTP, as net/device_commands.h describes them. The OpKind 3 family
  // reports every exchange with 2025 (lParam the command index); the others report only through
  // their answers (2024 through the mailbox, 2029-2032 by value) and not at all when the exchange
  // failed. `body` is the command's from net/device_commands.h; none (it could not be built) ends
  // the start with a notice, and so do the two commands that keep something for their answer
  // (ChangePassword, GetVolumeStatus): they start only through their own calls.
  int SendCommand(const ChosenDevice& device, int cmdIndex, const std::optional<std::string>& body);
  // The commands that keep something for their answer.
  int ChangePassword(const ChosenDevice& device, const std::wstring& newPassword);
  // GetShareInfo; with USB shares (`usbFlag` not 0) the result goes through the mailbox.
  int GetShareInfo(const ChosenDevice& device, int usbFlag);
  // `first` is the caller's zero-filled first record; further volumes are linked after it.
  int GetVolumeStatus(const ChosenDevice& device, VolumeInfoList* first);

  void Run() override;

  std::string deviceMac;  // the device the operation goes to
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
  // What the user is to be told, in order; a start that failed leaves its reason here.
  std::vector<std::wstring> notices;
  // A carrier only brings notices and the results behind them; it is no mailbox result.
  bool carrierOnly = false;
  struct PostedResult {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  std::vector<PostedResult> resultsBehindNotices;
  std::wstring unusedText;
  std::wstring accessText;
  const SetIpRequest* setIpRequest = nullptr;  // the caller's, read while the request is built
  VolumeInfoList* outputList = nullptr;        // the caller's, filled by the volume answer
  // A share list or volume read (kOpShareList, kOpVolumeStatus) that failed still reaches the
  // mailbox, so that the window can say so instead of showing nothing; deviceStatus is the
  // device's HTTP status when it answered with one (401, 500, 302, ...), else 0.
  bool readFailed = false;
  int deviceStatus = 0;

private:
  // Gives the operation its token and starts the thread; returns the token, 0 if not started.
  int StartOperation();
  // Creates the receive buffer; false when it already existed (the object ran before).
  bool CreateReceiveBuffer();

  // Takes the device's MAC, address and adapter row for the operation.
  void TakeDevice(const ChosenDevice& device);
  // The request buffer of a UDP operation, holding `datagram`.
  void SetDatagram(const std::vector<std::uint8_t>& datagram);
  // Builds the HTTP request of a command; false (and a message) when it cannot be built.
  bool BuildCgiRequest(const std::string& body, int opKind, int cmdIndex);
  // Starts a command as its row says.
  int SendByRow(const ChosenDevice& device, int cmdIndex, const std::optional<std::string>& body);
  // Starts a command as `opKind`; a body that could not be built ends it like a request that
  // could not.
  int StartCgiCommand(const ChosenDevice& device, int opKind, int cmdIndex, const std::optional<std::string>& body);
  // Runs the answer's parser and reports what it says; true when the object went to the mailbox.
  bool ReportAnswer();

  void RunUdp();
  void RunSearch();
  // Posts the device the search has just added to the list, while the search goes on.
  void PostNewEntry(const AdapterTable& adapters);
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
  // Ends an operation that posts nothing: quietly, or as a carrier of its notices.
  void EndWithoutResult();
  void Dispose();
  // A result by value: posted at once, or kept behind the notices when there are any.
  void PostResult(unsigned message, WPARAM wParam, LPARAM lParam);
};

// wParam of a WM_QUERY_RESULT whose object is a carrier of notices (0: a mailbox result).
inline constexpr WPARAM kCarrierParam = 1;

// Where the notices of a start that failed go: `owner` is the window the operation was for.
using NoticeTeller = void (*)(HWND owner, const std::vector<std::wstring>& notices);
// The console's teller: each notice through ShowUserMessage.
void TellThroughUserMessages(HWND owner, const std::vector<std::wstring>& notices);

// Allocates a CQuery for `target` and runs the starting call on it; when the operation did not
// start, hands the reasons to `tell` and deletes it again. Returns the request token (0: not
// started).
template <class StartingCall>
int LaunchQuery(HWND target, StartingCall start, NoticeTeller tell = &TellThroughUserMessages) {
  auto* query = new CQuery(target);
  const int token = start(*query);
  if (token == 0) {
    if (!query->notices.empty()) tell(target, query->notices);
    delete query;
  }
  return token;
}
