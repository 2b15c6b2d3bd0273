#include "net/answer_records.h"

WizardInfoRecord& WizardInfo() {
  static WizardInfoRecord info{};
  return info;
}

CurrentLanInfoRecord& CurrentLanInfo() { return WizardInfo().lan; }

void FreeVolumeInfoTail(VolumeInfoList& first) {
  VolumeInfoList* record = first.next;
  first.next = nullptr;
  while (record) {
    VolumeInfoList* next = record->next;
    delete record;
    record = next;
  }
}

ShareListRecord& ShareList() {
  static ShareListRecord shares;
  return shares;
}
