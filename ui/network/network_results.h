// What the network layer posts to a window, decoded in one place.
//
// A mailbox result (WM_QUERY_RESULT) is taken out of the mailbox; when its request token is the
// window's ActiveRequest the window hears of it through the typed handler of its operation kind,
// otherwise (an older request that was overtaken) it is dropped unread. Either way the operation
// object is deleted here. The results that travel by value (WM_CGI_DONE, WM_SETIP_DONE and
// WM_DISK_INFO to WM_FORMAT_STATE) are unpacked into typed handlers as well, and so are the entries
// a search posts while it listens (WM_SEARCH_ENTRY), which carry the search's token.
//
// What the user is to be told of an operation comes with its result and is shown first, on the
// window's thread and owned by the window, whatever the token: the same boxes, in the same order,
// as the operation met them. Results by value that waited behind them follow.
//
// A window derives from CNetworkWindow<its base> and overrides only the handlers it needs; the
// others do nothing (a disk information record nobody wants is freed all the same).
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "net/answer_records.h"
#include "net/search_report.h"

class CNetworkResults {
 public:
  virtual ~CNetworkResults() = default;

  // The token of the request whose mailbox result the window waits for (0: none).
  int ActiveRequest() const { return activeRequest_; }
  void SetActiveRequest(int token) { activeRequest_ = token; }

  // Handles `message` when it is one of the network layer's; false for any other message. `owner`
  // is the window that received it, which owns the boxes of the result's notices.
  bool DispatchNetworkMessage(HWND owner, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // Mailbox results, each only for the active request. The shared records they refer to
  // (NasDeviceList, ShareList) are complete when the handler runs.
  virtual void OnSearchFinished() {}
  // A device the active search has just listed, while it still listens (WM_SEARCH_ENTRY, by
  // value under the search's token; another token's entries are dropped unread). The final
  // OnSearchFinished follows with the whole list.
  virtual void OnSearchEntry(const SearchEntry& /*entry*/) {}
  virtual void OnLoginAccepted() {}
  // `first` is the record the window handed to GetVolumeStatus, now filled, with the further
  // volumes linked after it (the window frees them: FreeVolumeInfoTail).
  virtual void OnVolumeStatus(VolumeInfoList* /*first*/) {}
  virtual void OnUserAccess(const std::wstring& /*accessText*/) {}
  virtual void OnShareInfo() {}
  // A volume or share read that failed (see CQuery::readFailed): `deviceStatus` is the device's
  // HTTP status, 0 when it gave none. The volume read's records are the window's to free as above.
  virtual void OnVolumeStatusFailed(VolumeInfoList* /*first*/, int /*deviceStatus*/) {}
  virtual void OnShareInfoFailed(int /*deviceStatus*/) {}

  // Results by value.
  virtual void OnCgiDone(int /*cmdIndex*/, bool /*succeeded*/) {}
  virtual void OnSetIpDone(bool /*answered*/, int /*opKind*/) {}
  virtual void OnDiskInfo(std::unique_ptr<DiskInfoResult> /*info*/) {}
  virtual void OnDiskStepDone(int /*cmdIndex*/, int /*result*/) {}
  virtual void OnVolumeCreated(int /*value*/) {}
  virtual void OnFormatState(int /*state*/, int /*percent*/) {}

 private:
  void TakeQueryResult(HWND owner, LPARAM lParam);

  int activeRequest_ = 0;
};

// A window of `Base` (a dialog, a page) that receives network results.
template <typename Base>
class CNetworkWindow : public Base, public CNetworkResults {
 public:
  using Base::Base;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (DispatchNetworkMessage(this->GetSafeHwnd(), message, wParam, lParam)) return 0;
    return Base::WindowProc(message, wParam, lParam);
  }
};
