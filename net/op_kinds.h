// Operation kinds and command indexes of a CQuery: what a finished operation tells its window.
#pragma once

enum OpKindValue : int {
  kOpNone = 0,  // no operation: the places in the command numbering that nothing sends
  kOpDiscovery = 1,
  kOpLoginCheck = 2,
  kOpCgiCommand = 3,  // reports every exchange through WM_CGI_DONE
  kOpSetIp = 4,
  kOpDiskStep = 5,
  kOpVolumeStatus = 6,
  kOpUserAccess = 8,
  kOpShareList = 9,
};

// Command indexes of the device commands sent over HTTP: they choose the path and the answer's
// parser, and several result messages carry them in lParam.
enum CgiCommand : int {
  kChangePassword = 1,
  kGetWizardInfo = 2,
  kSetDeviceInfo = 3,
  kSetTimeZone = 4,
  kSetNetwork = 5,
  kGetLanInfo = 6,
  kLockSetIp = 7,
  kGetShareInfo = 8,
  kGetDiskInfo = 9,
  kStopWebFileManager = 10,
  kCreateVolume = 11,
  kReadFormatState = 12,
  kRemountDisk = 13,
  kCheckRemountState = 14,
  kFinishFormat = 15,
  kGetVolumeStatus = 16,
  kGetUserAccess = 18,
};
