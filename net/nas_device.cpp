#include "net/nas_device.h"

#include <cstdlib>
#include <cstring>

NasDeviceList& NasDeviceList::Instance() {
  static NasDeviceList list;
  return list;
}

NasDeviceList::~NasDeviceList() { FreeAll(); }

void NasDeviceList::FreeAll() {
  for (NasDeviceInfo* record = head_; record;) {
    NasDeviceInfo* next = record->next;
    delete record;
    record = next;
  }
  head_ = tail_ = nullptr;
  count_ = 0;
  byMac_.clear();
}

void NasDeviceList::Clear() {
  std::lock_guard<std::mutex> guard(lock_);
  FreeAll();
}

int NasDeviceList::Count() {
  std::lock_guard<std::mutex> guard(lock_);
  return count_;
}

NasDeviceInfo* NasDeviceList::At(int index) {
  if (index < 0) return nullptr;
  NasDeviceInfo* record = head_;
  for (int i = 0; record && i < index; ++i) record = record->next;
  return record;
}

bool NasDeviceList::CopyAt(int index, NasDeviceInfo& out) {
  return UpdateAt(index, [&out](NasDeviceInfo& record) {
    out = record;
    out.next = nullptr;
  });
}

NasDeviceList::MergeResult NasDeviceList::Merge(const SearchReplyFields& reply, int row,
                                                const char* rowAddress, const char* rowMask) {
  std::lock_guard<std::mutex> guard(lock_);
  const std::string mac(reply.macText, strnlen(reply.macText, sizeof reply.macText));
  if (const auto known = byMac_.find(mac); known != byMac_.end()) {
    if (SameSubnet(rowAddress, rowMask, reply.address, reply.mask)) known->second->adapterIndex = row;
    return MergeResult::kKnown;
  }
  if (count_ >= kMaxDevices) return MergeResult::kListFull;
  auto* record = new NasDeviceInfo{};
  std::memcpy(record->name, reply.name, sizeof record->name);
  std::memcpy(record->address, reply.address, sizeof record->address);
  std::memcpy(record->mask, reply.mask, sizeof record->mask);
  std::memcpy(record->gateway, reply.gateway, sizeof record->gateway);
  std::memcpy(record->dhcpFlag, reply.dhcpFlag, sizeof record->dhcpFlag);
  std::memcpy(record->deviceId, reply.deviceId, sizeof record->deviceId);
  std::memcpy(record->text, reply.text, sizeof record->text);
  std::memcpy(record->macText, reply.macText, sizeof record->macText);
  record->adapterIndex = row;
  if (tail_) tail_->next = record; else head_ = record;
  tail_ = record;
  ++count_;
  byMac_.emplace(mac, record);
  return MergeResult::kAdded;
}

std::uint32_t DottedToAddress(const char* text) {
  constexpr std::uint32_t kNone = 0xFFFFFFFFu;
  if (!text) return kNone;
  std::uint32_t parts[4];
  const char* p = text;
  for (int i = 0; i < 4; ++i) {
    if (*p < '0' || *p > '9') return kNone;
    unsigned long value = 0;
    int digits = 0;
    while (*p >= '0' && *p <= '9') {
      value = value * 10 + static_cast<unsigned long>(*p - '0');
      if (++digits > 3 || value > 255) return kNone;
      ++p;
    }
    parts[i] = static_cast<std::uint32_t>(value);
    if (i < 3) {
      if (*p != '.') return kNone;
      ++p;
    }
  }
  if (*p != '\0') return kNone;
  // Network byte order as laid out in memory on a little-endian machine, as inet_addr gives it.
  return parts[0] | (parts[1] << 8) | (parts[2] << 16) | (parts[3] << 24);
}

bool SameSubnet(const char* adapterAddress, const char* adapterMask, const char* deviceAddress,
                const char* deviceMask) {
  return (DottedToAddress(adapterMask) & DottedToAddress(adapterAddress)) ==
         (DottedToAddress(deviceMask) & DottedToAddress(deviceAddress));
}

void StampAddressInDeviceId(unsigned char* deviceId, std::uint32_t address) {
  if (address == 0xFFFFFFFFu) return;
  for (std::size_t octet = 0; octet < 4; ++octet)
    deviceId[kDeviceIdSize - 4 + octet] = static_cast<unsigned char>(address >> (8 * octet));
}
