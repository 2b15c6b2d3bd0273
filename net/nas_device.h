// What a search found: one record per device, in the order the devices first answered.
#pragma once
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

// Dotted IPv4 text with its terminating zero (at most 15 characters).
constexpr std::size_t kDottedTextSize = 16;
constexpr std::size_t kDeviceIdSize = 10;  // MAC address (6) and IPv4 address (4, network order)

struct NasDeviceInfo {
  char name[256];
  char address[kDottedTextSize];
  char mask[kDottedTextSize];
  char gateway[kDottedTextSize];
  char dhcpFlag[8];  // "1" DHCP, "0" static
  unsigned char deviceId[kDeviceIdSize];
  char text[32];
  char macText[22];  // "%02x:%02x:%02x:%02x:%02x:%02x"
  int adapterIndex;
  NasDeviceInfo* next;
};

// One accepted search reply, copied bounded into the record's own field sizes.
struct SearchReplyFields {
  char name[256];
  char address[kDottedTextSize];
  char mask[kDottedTextSize];
  char gateway[kDottedTextSize];
  char dhcpFlag[8];
  unsigned char deviceId[kDeviceIdSize];
  char text[32];
  char macText[22];
};

// The process-wide device list. A search empties it and its worker appends to it; windows read it
// after the search's completion message. The lock keeps a read that overlaps a search (a device
// index resolved while another search runs) from seeing a half-linked record.
//
// Anyone on the LAN can answer a search, with as many made-up MAC addresses as they like, so the
// list holds at most kMaxDevices records and finds a MAC in constant time: memory and the work per
// reply stay bounded however many replies arrive within the listening window. Devices that
// answer once the list is full are left out; the ones that answered first stay listed. The cap is
// far above any real home network (hundreds of devices on one adapter are still listed whole) and
// keeps the list under half a megabyte.
class NasDeviceList {
public:
  static constexpr int kMaxDevices = 1024;

  static NasDeviceList& Instance();

  void Clear();
  int Count();
  enum class MergeResult { kAdded, kKnown, kListFull };
  // Merges one reply heard through adapter row `row` whose address and mask are given: a new MAC
  // is appended while the list has room; a known one only moves to this row when the row's subnet
  // contains the device.
  MergeResult Merge(const SearchReplyFields& reply, int row, const char* rowAddress,
                    const char* rowMask);
  // Copies the record at a zero-based position; false when the list is shorter.
  bool CopyAt(int index, NasDeviceInfo& out);
  // Runs `update` on the record at `index` under the lock; false when the list is shorter.
  template <class Update>
  bool UpdateAt(int index, Update update) {
    std::lock_guard<std::mutex> guard(lock_);
    NasDeviceInfo* record = At(index);
    if (!record) return false;
    update(*record);
    return true;
  }
  // Runs `update` on the record of the device with MAC text `mac` under the lock; false when no
  // listed device has it.
  template <class Update>
  bool UpdateByMac(const std::string& mac, Update update) {
    std::lock_guard<std::mutex> guard(lock_);
    const auto found = byMac_.find(mac);
    if (found == byMac_.end()) return false;
    update(*found->second);
    return true;
  }

  NasDeviceList() = default;
  ~NasDeviceList();
  NasDeviceList(const NasDeviceList&) = delete;
  NasDeviceList& operator=(const NasDeviceList&) = delete;

private:
  NasDeviceInfo* At(int index);
  void FreeAll();

  std::mutex lock_;
  std::unordered_map<std::string, NasDeviceInfo*> byMac_;  // MAC text to record, every record
  NasDeviceInfo* head_ = nullptr;
  NasDeviceInfo* tail_ = nullptr;
  int count_ = 0;
};

// inet_addr-style conversion of dotted text: the four parts in network byte order;
// 0xFFFFFFFF for text that is not an address.
std::uint32_t DottedToAddress(const char* text);

// Writes `address` (network order, as DottedToAddress gives it) into the address part of a device
// id; an address that is none (0xFFFFFFFF) leaves the id as it was.
void StampAddressInDeviceId(unsigned char* deviceId, std::uint32_t address);

// Whether an adapter (its address and mask) and a device (its address and the mask it reports) sit
// on the same subnet: each address masked with its own mask.
bool SameSubnet(const char* adapterAddress, const char* adapterMask, const char* deviceAddress,
                const char* deviceMask);
