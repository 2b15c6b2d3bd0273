#include "ui/network/network_results.h"

#include <cstdint>

#include "base/messages.h"
#include "framework/message_box.h"
#include "net/mailbox.h"
#include "net/win/query.h"

bool CNetworkResults::DispatchNetworkMessage(HWND owner, UINT message, WPARAM wParam, LPARAM lParam) {
  const int low = static_cast<int>(wParam);
  const int high = static_cast<int>(lParam);
  switch (message) {
    case WM_QUERY_RESULT:
      TakeQueryResult(owner, lParam);
      return true;
    case WM_CGI_DONE:
      OnCgiDone(high, low == 0);
      return true;
    case WM_SETIP_DONE:
      OnSetIpDone(low == 0, high);
      return true;
    case WM_DISK_INFO:
      OnDiskInfo(std::unique_ptr<DiskInfoResult>(reinterpret_cast<DiskInfoResult*>(wParam)));
      return true;
    case WM_DISK_STEP_DONE:
      OnDiskStepDone(high, low);
      return true;
    case WM_VOLUME_CREATED:
      OnVolumeCreated(low);
      return true;
    case WM_FORMAT_STATE:
      OnFormatState(low, high);
      return true;
    case WM_SEARCH_ENTRY: {
      const std::unique_ptr<SearchEntry> entry(reinterpret_cast<SearchEntry*>(wParam));
      if (entry && high == activeRequest_ && activeRequest_ != 0) OnSearchEntry(*entry);
      return true;
    }
    default:
      return false;
  }
}

void CNetworkResults::TakeQueryResult(HWND owner, LPARAM lParam) {
  void* stored = nullptr;
  std::uint32_t reserved = 0;
  if (!CMsg::Instance().Take(CMsg::IdFromParam(lParam), stored, reserved)) return;
  const std::unique_ptr<CQuery> query(static_cast<CQuery*>(stored));
  for (const std::wstring& notice : query->notices) ShowProgramMessage(owner, notice);
  for (const CQuery::PostedResult& result : query->resultsBehindNotices)
    DispatchNetworkMessage(owner, result.message, result.wParam, result.lParam);
  if (query->carrierOnly || query->RequestToken != activeRequest_) return;
  switch (query->OpKind) {
    case kOpDiscovery:
      OnSearchFinished();
      break;
    case kOpLoginCheck:
      OnLoginAccepted();
      break;
    case kOpVolumeStatus:
      if (query->readFailed) OnVolumeStatusFailed(query->outputList, query->deviceStatus);
      else OnVolumeStatus(query->outputList);
      break;
    case kOpUserAccess:
      OnUserAccess(query->accessText);
      break;
    case kOpShareList:
      if (query->readFailed) OnShareInfoFailed(query->deviceStatus);
      else OnShareInfo();
      break;
    default:
      break;
  }
}
