// The records filled from the device's answers. Texts in fixed fields are narrow text in the
// thread's ANSI code page, always zero-terminated within their field.
//
// The process-wide ones (WizardInfo, CurrentLanInfo, ShareList) are written by a worker without
// a lock; windows read them only after that operation's completion message arrived.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The device's current address, as the LAN answer reports it.
struct CurrentLanInfoRecord {
  char address[16];
  char mask[16];
  char gateway[16];
};

// The device settings the wizard shows. The LAN answer rewrites only the leading address part.
struct WizardInfoRecord {
  CurrentLanInfoRecord lan;
  std::int32_t dhcpFlag;
  char dns1[16];  // empty when the device has none ("0.0.0.0")
  char dns2[16];
  char hostName[16];
  char workgroup[16];
  char description[31];
  std::int32_t timeZoneIndex;
};

WizardInfoRecord& WizardInfo();
// The leading address part of WizardInfo: the same storage.
CurrentLanInfoRecord& CurrentLanInfo();

// The disks of the device; handed to the receiver of WM_DISK_INFO, who deletes it.
struct DiskInfoResult {
  std::int32_t diskCount;
  char firstName[10];
  std::int32_t firstSizeGiB;
  char secondName[10];
  std::int32_t secondSizeGiB;
};

// One volume of the device. The caller of GetVolumeStatus supplies the first record, zero-filled;
// the answer appends the others (allocated with new) and the caller frees them with
// FreeVolumeInfoTail. A listed record's volume number is 1-255 and its sizes (KiB) are never
// negative: the answer leaves out items that are not; a record with volume 0 holds no volume.
struct VolumeInfoList {
  std::int32_t volume;
  std::int64_t totalSize;  // KiB: a volume of 4 TiB and more does not fit 32 bits
  std::int64_t usedSize;
  VolumeInfoList* next;
};

// Deletes every record linked after `first` and unlinks them; `first` itself stays the caller's.
void FreeVolumeInfoTail(VolumeInfoList& first);

// One shared folder: its name and the label the drive mapping page shows ("select" translated,
// or a drive letter text such as "X:").
struct ShareEntry {
  std::u16string name;
  std::u16string label;
};
using ShareListRecord = std::vector<ShareEntry>;

// Emptied by the callers before they ask for the shares; the share answer only appends.
ShareListRecord& ShareList();
