#include "net/chosen_device.h"

#include <algorithm>
#include <cstring>

namespace {
std::string FieldText(const char* field, std::size_t size) { return std::string(field, strnlen(field, size)); }
}  // namespace

std::optional<ChosenDevice> ChooseDeviceAt(NasDeviceList& devices, int index) {
  NasDeviceInfo record;
  if (!devices.CopyAt(index, record)) return std::nullopt;
  ChosenDevice device;
  device.name = FieldText(record.name, sizeof record.name);
  device.macText = FieldText(record.macText, sizeof record.macText);
  std::copy(std::begin(record.deviceId), std::end(record.deviceId), device.deviceId.begin());
  device.address = FieldText(record.address, sizeof record.address);
  device.mask = FieldText(record.mask, sizeof record.mask);
  device.gateway = FieldText(record.gateway, sizeof record.gateway);
  device.dhcpFlag = FieldText(record.dhcpFlag, sizeof record.dhcpFlag);
  device.adapterIndex = record.adapterIndex;
  return device;
}

ChosenDevice MovedTo(ChosenDevice device, const CurrentLanInfoRecord& lan) {
  device.address = FieldText(lan.address, sizeof lan.address);
  device.mask = FieldText(lan.mask, sizeof lan.mask);
  device.gateway = FieldText(lan.gateway, sizeof lan.gateway);
  StampAddressInDeviceId(device.deviceId.data(), DottedToAddress(device.address.c_str()));
  return device;
}
