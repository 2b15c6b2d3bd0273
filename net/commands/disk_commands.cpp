// The disk commands: the disks, the steps of a format run, its progress, and the volumes. A
// document that is not well-formed ends the reading (what is reported then is listed with each
// reader in net/device_commands.h).
#include <new>

#include "base/messages.h"
#include "net/commands/answer_reading.h"
#include "net/commands/form_body.h"
#include "net/device_commands.h"

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

// The 15 values of one record: number, level, file system, size, disks, "none", spare, 1, size,
// 0, "none", equal, 0, 0, "null".
bool AppendVolumeValues(const VolumeRequest& volume, std::string& text) {
  const auto level = FieldText(volume.level);
  const auto fileSystem = FieldText(volume.fileSystem);
  const auto disks = FieldText(volume.disks);
  if (!level || !fileSystem || !disks) return false;
  const std::string size = std::to_string(volume.sizeGiB);
  text += std::to_string(volume.volumeNumber) + ',';
  text.append(*level) += ',';
  text.append(*fileSystem) += ',';
  text += size + ',';
  text.append(*disks) += ",none,";
  text += std::to_string(volume.spare) + ",1," + size + ",0,none,";
  text += std::to_string(volume.equal) + ",0,0,null";
  return true;
}

// The longest text two records can give: five numbers at their widest, four single digits, every
// text field full, "none" twice, "null" and 14 commas each, and the comma between them.
constexpr std::size_t kWidestNumber = 11;  // "-2147483648"
constexpr std::size_t kWidestVolumeValues = 5 * kWidestNumber + 4 + sizeof(VolumeRequest::level) -
                                            1 + sizeof(VolumeRequest::fileSystem) - 1 +
                                            sizeof(VolumeRequest::disks) - 1 + 3 * 4 + 14;
static_assert(2 * kWidestVolumeValues + 1 < kMaxVolumeTextSize,
              "the record fields keep every volume text below its limit");

}  // namespace

std::string GetDiskInfoBody() { return {}; }

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

std::string StopWebFileManagerBody() { return "cmd=cgi_AJAXPlorer_Stop"; }

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

std::optional<std::string> VolumeText(const VolumeRequest& first) {
  std::string text;
  if (!AppendVolumeValues(first, text)) return std::nullopt;
  if (first.next) {
    text += ',';
    if (!AppendVolumeValues(*first.next, text)) return std::nullopt;
  }
  return text;
}

std::optional<std::string> CreateVolumeBody(const VolumeRequest* first) {
  if (!first) return std::nullopt;
  const auto text = VolumeText(*first);
  return FormBody("cgi_FMT_Create_DiskMGR")
      .Text("f_create_volume_info", text ? std::optional<std::string_view>(*text) : std::nullopt)
      .Number("f_create_type", 1)
      .Number("f_auto_sync", first->autoSync)
      .Finish();
}

AnswerReport ParseCreateAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               int cmdIndex) {
  const auto value = ResultValue(answer, codePage);
  AnswerReport report = AnswerReport::Posting(WM_VOLUME_CREATED, value.value_or(0), cmdIndex);
  if (!value) report.notice = kRaidTypeError;
  return report;
}

std::string RemountDiskBody() { return "cmd=cgi_Disk_Remount"; }
std::string CheckRemountStateBody() { return "cmd=cgi_Check_Disk_Remount_State"; }
std::string FinishFormatBody() { return "cmd=cgi_FMT_Disk_Finish"; }

AnswerReport ParseRemountAnswer(std::string_view answer, const AnsiCodePage& codePage,
                                int cmdIndex) {
  const auto value = ResultValue(answer, codePage);
  if (!value) return {};
  return AnswerReport::Posting(WM_DISK_STEP_DONE, *value, cmdIndex);
}

std::string ReadFormatStateBody() { return {}; }

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

std::string GetVolumeStatusBody() { return "cmd=cgi_Status_Volume_Info"; }

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
