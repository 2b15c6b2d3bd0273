// Operation kinds of a CQuery: what a finished operation tells its window. The command indexes
// are in net/device_commands.h.
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
