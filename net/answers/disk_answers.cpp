// The answers of the disk commands: the disks, the steps of a format run, its progress, and the
// volumes. A document that is not well-formed ends the reading (what is reported then is listed
// with each parser).
#include <new>

#include "base/messages.h"
#include "net/answer_parsers.h"
#include "net/answers/answer_reading.h"

namespace {

constexpr const char16_t* kRaidTypeError = u"response_SetRaidType error";
constexpr unsigned kStopSettleMs = 5000;  // the pause between the stop and the next step

// One disk of an item: its device name and size.
void ReadDisk(XmlNavigator& reader, const AnsiCodePage& codePage, char (&name)[10],
              std::int32_t& sizeGiB) {
  reader.EnterElement();
  if (const auto text = NextChildText(reader, u"device_name")) StoreInField(codePage, *text, name);
  sizeGiB = NextChildNumber(reader, u"hd_GiB_size");
  reader.LeaveElement();
}

// The value of res in a well-formed result answer (0 when res is missing); nothing otherwise.
std::optional<std::int32_t> ResultValue(std::string_view answer, const AnsiCodePage& codePage) {
  XmlNavigator reader;
  if (!LoadAnswer(reader, answer, codePage)) return std::nullopt;
  return NextChildNumber(reader, u"res");
}

// A volume the panels can show: a number the device can have and sizes that are not negative. A
// device that answers otherwise gets no panel for that item rather than a made-up one.
bool IsPlausibleVolume(const VolumeInfoList& volume) {
  return volume.volume >= 1 && volume.volume <= 255 && volume.totalSize >= 0 &&
         volume.usedSize >= 0;
}

}  // namespace

AnswerReport ParseDiskAnswer(std::string_view answer, const AnsiCodePage& codePage, int cmdIndex) {
  XmlNavigator reader;
  if (!LoadAnswer(reader, answer, codePage)) return {};
  auto disks = std::make_unique<DiskInfoResult>();
  if (reader.FindChildElement(u"hd_info")) {
    reader.EnterElement();
    // device_info is optional: without it the disks are listed in hd_info itself.
    if (reader.FindChildElement(u"device_info")) reader.EnterElement();
    disks->diskCount = NextChildNumber(reader, u"device_num");
    if (reader.FindChildElement(u"item"))
      ReadDisk(reader, codePage, disks->firstName, disks->firstSizeGiB);
    if (reader.FindChildElement(u"item"))
      ReadDisk(reader, codePage, disks->secondName, disks->secondSizeGiB);
  }
  AnswerReport report = AnswerReport::Posting(WM_DISK_INFO, 0, cmdIndex);
  report.diskInfo = std::move(disks);
  return report;
}

AnswerReport ParseStopAnswer(std::string_view answer, const AnsiCodePage& codePage, int cmdIndex) {
  if (!ResultValue(answer, codePage)) {
    AnswerReport report;
    report.notice = kRaidTypeError;
    return report;
  }
  AnswerReport report = AnswerReport::Posting(WM_DISK_STEP_DONE, 1, cmdIndex);
  report.delayMs = kStopSettleMs;
  return report;
}

AnswerReport ParseCreateAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               int cmdIndex) {
  const auto value = ResultValue(answer, codePage);
  AnswerReport report = AnswerReport::Posting(WM_VOLUME_CREATED, value.value_or(0), cmdIndex);
  if (!value) report.notice = kRaidTypeError;
  return report;
}

AnswerReport ParseRemountAnswer(std::string_view answer, const AnsiCodePage& codePage,
                                int cmdIndex) {
  const auto value = ResultValue(answer, codePage);
  if (!value) return {};
  return AnswerReport::Posting(WM_DISK_STEP_DONE, *value, cmdIndex);
}

AnswerReport ParseFormatStateAnswer(std::string_view answer, const AnsiCodePage& codePage) {
  XmlNavigator reader;
  if (!LoadAnswer(reader, answer, codePage)) return {};
  std::optional<std::u16string> finished, errcode, percent;
  if (reader.FindChildElement(u"dm_state")) {
    reader.EnterElement();
    finished = NextChildText(reader, u"finished");
    errcode = NextChildText(reader, u"errcode");
    percent = NextChildText(reader, u"percent");
    reader.LeaveElement();
  }
  // errcode "1" is the device's "no error"; anything else, or no errcode at all, is a failure.
  int state = finished == u"1" ? 2 : 1;
  if (errcode != u"1") state = 0;
  return AnswerReport::Posting(WM_FORMAT_STATE, state, percent ? NumberFromText(*percent) : 0);
}

AnswerReport ParseVolumeAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               VolumeInfoList& first) {
  XmlNavigator reader;
  if (!LoadAnswer(reader, answer, codePage)) return {};
  AnswerReport report = AnswerReport::ThroughMailbox();
  VolumeInfoList* last = &first;  // the list's end once `current` has run past it
  VolumeInfoList* current = &first;
  while (reader.FindChildElement(u"item")) {
    reader.EnterElement();
    const VolumeInfoList read{NextChildNumber(reader, u"volume"),
                              NextChildLongNumber(reader, u"total_size"),
                              NextChildLongNumber(reader, u"use_size"), nullptr};
    reader.LeaveElement();
    if (!IsPlausibleVolume(read)) continue;
    if (!current) {
      current = new (std::nothrow) VolumeInfoList{};
      if (!current) {
        report.notice = u"nas_volume_info malloc failed.";
        report.translateNotice = true;
        break;
      }
      last->next = current;
    }
    current->volume = read.volume;
    current->totalSize = read.totalSize;
    current->usedSize = read.usedSize;
    last = current;
    current = current->next;
  }
  return report;
}
