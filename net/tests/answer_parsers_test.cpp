#include "net/device_commands.h"

#include <gtest/gtest.h>

#include <limits>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "base/messages.h"
#include "net/commands/answer_reading.h"
#include "net/testing/toy_code_page.h"

namespace {

const ToyCodePage kCodePage;

// The whole answer as the worker hands it over: status line, headers, body.
std::string Answer(std::string_view body) {
  return "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\n\r\n" + std::string(body);
}

// A sample answer of net/tests/answers, as a whole answer.
std::string Sample(const char* name) {
  const auto path = std::filesystem::path(DROVIK_SAMPLE_ANSWERS) / name;
  std::ifstream file(path, std::ios::binary);
  EXPECT_TRUE(file) << path;
  std::stringstream body;
  body << file.rdbuf();
  return Answer(body.str());
}

// The parsers of the format run take the answer, the code page and the command index alike.
using StepParser = AnswerReport (*)(std::string_view, const AnsiCodePage&, int);

void ExpectPost(const AnswerReport& report, unsigned message, std::intptr_t wParam,
                std::intptr_t lParam) {
  EXPECT_EQ(report.delivery, AnswerReport::Delivery::kPost);
  EXPECT_EQ(report.message, message);
  EXPECT_EQ(static_cast<std::intptr_t>(report.wParam), wParam);
  EXPECT_EQ(report.lParam, lParam);
}

void ExpectNothing(const AnswerReport& report) {
  EXPECT_EQ(report.delivery, AnswerReport::Delivery::kNothing);
  EXPECT_EQ(report.notice, nullptr);
}

constexpr const char* kTruncated = "<config><res>1</res>";  // the end tag of the root never came

}  // namespace

TEST(AnswerReading, ShareTextIsReadAsTheDeviceWritesIt) {
  EXPECT_EQ(DecodeShareText("a\xC3\xBC\xE5\x85\xB1"), u"a\u00FC\u5171");
  // Any byte from 0xF0 up refuses the whole text, even far from the four-byte character.
  EXPECT_EQ(DecodeShareText("<item>abc</item>\xF0\x9F\x98\x80"), u"");
  EXPECT_EQ(DecodeShareText("x\xFF"), u"");
  // A lead byte without its continuation ends the text after the last whole character.
  EXPECT_EQ(DecodeShareText("ab\xC3"
                            "c"),
            u"ab");
  EXPECT_EQ(DecodeShareText("ab\xE5\x85"), u"ab");
  // A stray continuation byte is read as the lead of a three-byte character.
  EXPECT_EQ(DecodeShareText("\x81\x81\x81"), u"\u1041");
  EXPECT_EQ(DecodeShareText(std::string_view("ab\0cd", 5)), u"ab");
}

TEST(AnswerReading, NumbersStopAtTheFirstNonDigit) {
  EXPECT_EQ(NumberFromText(u"42"), 42);
  EXPECT_EQ(NumberFromText(u" \n-7 GiB"), -7);
  EXPECT_EQ(NumberFromText(u"+3"), 3);
  EXPECT_EQ(NumberFromText(u""), 0);
  EXPECT_EQ(NumberFromText(u"GiB 5"), 0);
  EXPECT_EQ(NumberFromText(u"99999999999999999999"), 2147483647);
  EXPECT_EQ(NumberFromText(u"-99999999999999999999"), -2147483647 - 1);
  EXPECT_EQ(LongNumberFromText(u"4294967296"), 4294967296LL);
  EXPECT_EQ(LongNumberFromText(u"9223372036854775807"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(LongNumberFromText(u"9223372036854775808"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(LongNumberFromText(u"-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(LongNumberFromText(u"-99999999999999999999x"), std::numeric_limits<std::int64_t>::min());
}

TEST(AnswerReading, FieldsAreCutAtACharacterBoundary) {
  char field[6];
  EXPECT_TRUE(StoreInField(kCodePage, u"abcde", field));
  EXPECT_STREQ(field, "abcde");
  EXPECT_FALSE(StoreInField(kCodePage, u"abcdef", field));
  EXPECT_STREQ(field, "abcde");
  // "ab" and two double-byte characters would need 6 bytes and the zero: the second one is left
  // out whole rather than split.
  EXPECT_FALSE(StoreInField(kCodePage, u"ab\u00FC\u00FC", field));
  EXPECT_EQ(std::string(field), "ab\x80\xFC");
  EXPECT_EQ(field[4], 0);
  EXPECT_TRUE(StoreInField(kCodePage, u"", field));
  EXPECT_STREQ(field, "");
}

TEST(StatusAnswer, OnlyStatusOneChangesThePassword) {
  LoginCredentialsRecord login{};
  std::snprintf(login.password, sizeof login.password, "old");
  ExpectNothing(ParseStatusAnswer(Sample("change_password.xml"), kCodePage, "new", login));
  EXPECT_STREQ(login.password, "new");

  for (const char* body : {"<config><status>0</status></config>", "<config><res>1</res></config>",
                           "<config><status> 1</status></config>", "", "garbage"}) {
    std::snprintf(login.password, sizeof login.password, "old");
    ExpectNothing(ParseStatusAnswer(Answer(body), kCodePage, "new", login));
    EXPECT_STREQ(login.password, "old") << body;
  }
  // Not well-formed (a stray end tag), but the status was indexed in its place: it still counts.
  ParseStatusAnswer(Answer("<config><status>1</status></state></config>"), kCodePage, "newer",
                    login);
  EXPECT_STREQ(login.password, "newer");
  // The slot keeps at most 15 bytes and its zero.
  ParseStatusAnswer(Answer("<c><status>1</status></c>"), kCodePage, std::string(17, 'p'), login);
  EXPECT_EQ(std::string(login.password), std::string(15, 'p'));
}

TEST(WizardAnswer, FillsTheSettingsAndLeavesNoDnsForZeroAddresses) {
  WizardInfoRecord info{};
  std::snprintf(info.dns2, sizeof info.dns2, "stale");
  ExpectNothing(ParseWizardAnswer(Sample("get_wizard_info.xml"), kCodePage, info));
  EXPECT_EQ(info.dhcpFlag, 0);
  EXPECT_STREQ(info.lan.address, "192.0.2.21");
  EXPECT_STREQ(info.lan.mask, "255.255.255.0");
  EXPECT_STREQ(info.lan.gateway, "192.0.2.1");
  EXPECT_STREQ(info.dns1, "192.0.2.53");
  EXPECT_STREQ(info.dns2, "");  // "0.0.0.0"
  EXPECT_STREQ(info.hostName, "QB-550");
  EXPECT_STREQ(info.workgroup, "WORKGROUP");
  EXPECT_STREQ(info.description, "Family photos & music");
  EXPECT_EQ(info.timeZoneIndex, 32);

  ParseWizardAnswer(Answer("<c><lan><dhcp_enable>1</dhcp_enable><ip>192.0.2.9</ip>"
                           "<dns1>0.0.0.0</dns1><dns2>192.0.2.54</dns2></lan></c>"),
                    kCodePage, info);
  EXPECT_EQ(info.dhcpFlag, 1);
  EXPECT_STREQ(info.dns1, "");
  EXPECT_STREQ(info.dns2, "192.0.2.54");
  EXPECT_STREQ(info.hostName, "");  // no system part: zero-filled
  EXPECT_EQ(info.timeZoneIndex, 0);
}

TEST(WizardAnswer, MissingOrOverlongValuesStayInsideTheirFields) {
  WizardInfoRecord info{};
  // No netmask: its field stays empty instead of taking the address found before it.
  ParseWizardAnswer(Answer("<c><lan><ip>192.0.2.21</ip><gateway>192.0.2.1</gateway></lan>"
                           "<system><name>" +
                           std::string(40, 'n') + "</name><description>" + std::string(21, 'd') +
                           "\x80\xFC\x80\xFC\x80\xFC\x80\xFC\x80\xFC</description>"
                           "<timezone>7</timezone></system></c>"),
                    kCodePage, info);
  EXPECT_STREQ(info.lan.address, "192.0.2.21");
  EXPECT_STREQ(info.lan.mask, "");
  EXPECT_STREQ(info.lan.gateway, "192.0.2.1");
  EXPECT_EQ(std::string(info.hostName), std::string(15, 'n'));
  // 21 bytes and four of the five double-byte characters: the fifth would not leave room for
  // the zero, and half of it is not taken.
  EXPECT_EQ(std::strlen(info.description), 29u);
  EXPECT_STREQ(info.workgroup, "");
  EXPECT_EQ(info.timeZoneIndex, 7);

  // Out of order: a child before the one found last is not found.
  ParseWizardAnswer(Answer("<c><system><timezone>5</timezone><name>n</name></system></c>"),
                    kCodePage, info);
  EXPECT_STREQ(info.hostName, "n");
  EXPECT_EQ(info.timeZoneIndex, 0);

  // Not well-formed: what was indexed is read.
  ParseWizardAnswer(Answer("<c><system><name>n2</name></nam></system></c>"), kCodePage, info);
  EXPECT_STREQ(info.hostName, "n2");
}

class LanAnswerTest : public ::testing::Test {
protected:
  void SetUp() override {
    SearchReplyFields reply{};
    std::snprintf(reply.macText, sizeof reply.macText, "00:00:00:00:00:01");
    std::snprintf(reply.address, sizeof reply.address, "192.0.2.21");
    std::snprintf(reply.mask, sizeof reply.mask, "255.255.255.0");
    std::snprintf(reply.gateway, sizeof reply.gateway, "192.0.2.1");
    devices.Merge(reply, 0, "192.0.2.10", "255.255.255.0");
    std::snprintf(current.address, sizeof current.address, "192.0.2.21");
    std::snprintf(current.mask, sizeof current.mask, "255.255.255.0");
    std::snprintf(current.gateway, sizeof current.gateway, "192.0.2.1");
  }
  AnswerReport Parse(const std::string& answer, const std::string& mac = "00:00:00:00:00:01",
                     std::string_view requested = "192.0.2.21") {
    return ParseLanAnswer(answer, kCodePage, current, devices, mac, requested);
  }
  NasDeviceInfo Device() {
    NasDeviceInfo record{};
    EXPECT_TRUE(devices.CopyAt(0, record));
    return record;
  }

  NasDeviceList devices;
  CurrentLanInfoRecord current{};
};

TEST_F(LanAnswerTest, TheNewAddressReachesTheDeviceRecordAndTheWizard) {
  ExpectNothing(Parse(Sample("get_lan_info.xml")));
  EXPECT_STREQ(current.address, "198.51.100.40");
  EXPECT_STREQ(Device().address, "198.51.100.40");
  EXPECT_STREQ(current.mask, "255.255.255.0");
  EXPECT_STREQ(current.gateway, "198.51.100.1");
  EXPECT_STREQ(Device().gateway, "198.51.100.1");
}

TEST_F(LanAnswerTest, TheDeviceIdTakesTheNewAddressAndKeepsTheMac) {
  devices.UpdateAt(0, [](NasDeviceInfo& record) {
    const unsigned char id[kDeviceIdSize] = {0, 0x1b, 0xac, 0, 0, 1, 192, 0, 2, 21};
    std::memcpy(record.deviceId, id, sizeof id);
  });
  Parse(Answer("<info><ip1>not an address</ip1></info>"));
  const unsigned char kept[kDeviceIdSize] = {0, 0x1b, 0xac, 0, 0, 1, 192, 0, 2, 21};
  EXPECT_EQ(std::memcmp(Device().deviceId, kept, sizeof kept), 0);
  // The record now holds that text as its address: the next answer is addressed to it.
  Parse(Sample("get_lan_info.xml"), "00:00:00:00:00:01", "not an address");
  const unsigned char moved[kDeviceIdSize] = {0, 0x1b, 0xac, 0, 0, 1, 198, 51, 100, 40};
  EXPECT_EQ(std::memcmp(Device().deviceId, moved, sizeof moved), 0);
}

TEST_F(LanAnswerTest, NoAddressChangesNothing) {
  for (const char* body :
       {"<info><ip1>0.0.0.0</ip1><netmask1>255.0.0.0</netmask1></info>",
        "<info><netmask1>255.0.0.0</netmask1><gateway1>198.51.100.1</gateway1></info>",
        "<config><ip1>198.51.100.40</ip1></config>", "", "<info><ip1>"}) {
    Parse(Answer(body));
    EXPECT_STREQ(current.address, "192.0.2.21") << body;
    EXPECT_STREQ(current.mask, "255.255.255.0") << body;
    EXPECT_STREQ(Device().address, "192.0.2.21") << body;
    EXPECT_STREQ(Device().mask, "255.255.255.0") << body;
  }
}

TEST_F(LanAnswerTest, AMissingMaskOrGatewayKeepsTheOldOne) {
  Parse(Answer("<info><ip1>192.0.2.30</ip1><gateway1>192.0.2.254</gateway1></info>"));
  EXPECT_STREQ(current.address, "192.0.2.30");
  EXPECT_STREQ(current.mask, "255.255.255.0");
  EXPECT_STREQ(current.gateway, "192.0.2.254");
  EXPECT_STREQ(Device().mask, "255.255.255.0");
  EXPECT_STREQ(Device().gateway, "192.0.2.254");
}

TEST_F(LanAnswerTest, ARecordThatIsNoLongerTheDeviceIsLeftAlone) {
  const std::string answer = Sample("get_lan_info.xml");
  Parse(answer, "00:00:00:00:00:02");  // not listed since the last search
  EXPECT_STREQ(current.address, "198.51.100.40");
  EXPECT_STREQ(Device().address, "192.0.2.21");
  Parse(answer, "00:00:00:00:00:01", "192.0.2.99");  // listed at another address now
  EXPECT_STREQ(Device().address, "192.0.2.21");
  Parse(answer, "");
  EXPECT_EQ(devices.Count(), 1);
}

TEST(ShareAnswer, ListsTheSharesInOrderWithTheirLabel) {
  ShareListRecord shares{{u"kept", u"X:"}};
  ExpectNothing(ParseShareAnswer(Sample("get_share_info.xml"), kOpCgiCommand, shares));
  ASSERT_EQ(shares.size(), 4u);
  EXPECT_EQ(shares[0].name, u"kept");
  EXPECT_EQ(shares[1].name, u"Public");
  EXPECT_EQ(shares[2].name, u"Fotos f\u00FCr Oma");
  EXPECT_EQ(shares[3].name, u"\u5171\u4EAB");
  EXPECT_EQ(shares[3].label, u"select");

  shares.clear();
  const AnswerReport report = ParseShareAnswer(Sample("get_share_info.xml"), kOpShareList, shares);
  EXPECT_EQ(report.delivery, AnswerReport::Delivery::kMailbox);
  EXPECT_EQ(shares.size(), 3u);

  shares.clear();
  const AnswerReport none = ParseShareAnswer(Answer("<share></share>"), kOpShareList, shares);
  EXPECT_EQ(none.delivery, AnswerReport::Delivery::kMailbox);
  EXPECT_TRUE(shares.empty());
}

TEST(ShareAnswer, AFourByteCharacterOrABrokenDocumentListsNothingAndReportsNothing) {
  for (const std::string& body :
       {std::string("<share><item>Public</item><item>\xF0\x9F\x93\x81</item></share>"),
        std::string("<share><item>Public</item>"),
        std::string("<share><item>Pub\xC3</item></share>")}) {
    for (const int opKind : {kOpCgiCommand, kOpShareList}) {
      ShareListRecord shares;
      ExpectNothing(ParseShareAnswer(Answer(body), opKind, shares));
      EXPECT_TRUE(shares.empty());
    }
  }
}

namespace {

// The disk record that a disk answer hands over with WM_DISK_INFO (command index 9).
void ExpectDisks(const AnswerReport& report, int count, const char* firstName, int firstSize,
                 const char* secondName, int secondSize) {
  ExpectPost(report, WM_DISK_INFO, 0, 9);
  ASSERT_TRUE(report.diskInfo);
  EXPECT_EQ(report.diskInfo->diskCount, count);
  EXPECT_STREQ(report.diskInfo->firstName, firstName);
  EXPECT_EQ(report.diskInfo->firstSizeGiB, firstSize);
  EXPECT_STREQ(report.diskInfo->secondName, secondName);
  EXPECT_EQ(report.diskInfo->secondSizeGiB, secondSize);
}

}  // namespace

TEST(DiskAnswer, TwoDisksInsideDeviceInfoOrOneDirectlyInHdInfo) {
  ExpectDisks(ParseDiskAnswer(Sample("get_disk_info.xml"), kCodePage, 9), 2, "sda", 500, "sdb",
              1000);
  ExpectDisks(ParseDiskAnswer(
                  Answer("<config><hd_info><device_num>1</device_num><item><device_name>sda"
                         "</device_name><hd_GiB_size>931</hd_GiB_size></item></hd_info></config>"),
                  kCodePage, 9),
              1, "sda", 931, "", 0);
}

TEST(DiskAnswer, MissingPartsReadZeroAndBrokenDocumentsReportNothing) {
  ExpectDisks(ParseDiskAnswer(Answer("<config><other/></config>"), kCodePage, 9), 0, "", 0, "", 0);
  // A missing size reads 0 rather than the name before it; a long name is cut to 9 bytes.
  ExpectDisks(
      ParseDiskAnswer(Answer("<c><hd_info><item><device_name>1234567890123</device_name></item>"
                             "<item><hd_GiB_size>2</hd_GiB_size></item></hd_info></c>"),
                      kCodePage, 9),
      0, "123456789", 0, "", 2);

  const AnswerReport report =
      ParseDiskAnswer(Answer("<config><hd_info><device_num>2</device_num>"), kCodePage, 9);
  ExpectNothing(report);
  EXPECT_FALSE(report.diskInfo);
}

TEST(ResultAnswers, StopAlwaysReportsDoneFiveSecondsLater) {
  for (const char* body :
       {"<config><res>0</res></config>", "<config><res>1</res></config>", "<config/>"}) {
    const AnswerReport report = ParseStopAnswer(Answer(body), kCodePage, 10);
    ExpectPost(report, WM_DISK_STEP_DONE, 1, 10);
    EXPECT_EQ(report.delayMs, 5000u);
    EXPECT_EQ(report.notice, nullptr);
  }
  const AnswerReport broken = ParseStopAnswer(Answer(kTruncated), kCodePage, 10);
  EXPECT_EQ(broken.delivery, AnswerReport::Delivery::kNothing);
  EXPECT_EQ(std::u16string(broken.notice), u"response_SetRaidType error");
  EXPECT_FALSE(broken.translateNotice);
}

TEST(ResultAnswers, CreateReportsTheValueAndZeroWhenUnreadable) {
  ExpectPost(ParseCreateAnswer(Sample("create_volume.xml"), kCodePage, 11), WM_VOLUME_CREATED, 1,
             11);
  ExpectPost(ParseCreateAnswer(Answer("<c><res>-2</res></c>"), kCodePage, 11), WM_VOLUME_CREATED,
             -2, 11);
  ExpectPost(ParseCreateAnswer(Answer("<c/>"), kCodePage, 11), WM_VOLUME_CREATED, 0, 11);
  const AnswerReport broken = ParseCreateAnswer(Answer(kTruncated), kCodePage, 11);
  ExpectPost(broken, WM_VOLUME_CREATED, 0, 11);
  EXPECT_EQ(std::u16string(broken.notice), u"response_SetRaidType error");
  EXPECT_EQ(broken.delayMs, 0u);
}

TEST(ResultAnswers, RemountStepsReportTheirValue) {
  const struct {
    const char* sample;
    int cmdIndex;
  } steps[] = {
      {"remount_disk.xml", 13}, {"check_remount_state.xml", 14}, {"finish_format.xml", 15}};
  for (const auto& step : steps) {
    ExpectPost(ParseRemountAnswer(Sample(step.sample), kCodePage, step.cmdIndex), WM_DISK_STEP_DONE,
               1, step.cmdIndex);
    ExpectPost(ParseRemountAnswer(Answer("<c><res>0</res></c>"), kCodePage, step.cmdIndex),
               WM_DISK_STEP_DONE, 0, step.cmdIndex);
    ExpectNothing(ParseRemountAnswer(Answer(kTruncated), kCodePage, step.cmdIndex));
  }
}

TEST(FormatStateAnswer, StateFromFinishedAndErrcode) {
  const AnswerReport running = ParseFormatStateAnswer(Sample("read_format_state.xml"), kCodePage);
  ExpectPost(running, WM_FORMAT_STATE, 1, 42);

  const struct {
    const char* finished;
    const char* errcode;
    int state;
  } cases[] = {{"0", "1", 1}, {"1", "1", 2}, {"1", "0", 0}, {"0", "0", 0}, {"1", "", 0}};
  for (const auto& c : cases) {
    const std::string body = std::string("<c><dm_state><finished>") + c.finished +
                             "</finished><errcode>" + c.errcode +
                             "</errcode><percent>100</percent></dm_state></c>";
    ExpectPost(ParseFormatStateAnswer(Answer(body), kCodePage), WM_FORMAT_STATE, c.state, 100);
  }
  // No dm_state, or no errcode: an error at 0 percent; no percent: 0.
  ExpectPost(ParseFormatStateAnswer(Answer("<c><other/></c>"), kCodePage), WM_FORMAT_STATE, 0, 0);
  ExpectPost(ParseFormatStateAnswer(
                 Answer("<c><dm_state><finished>1</finished><percent>9</percent></dm_state></c>"),
                 kCodePage),
             WM_FORMAT_STATE, 0, 9);
  ExpectPost(ParseFormatStateAnswer(
                 Answer("<c><dm_state><finished>0</finished><errcode>1</errcode></dm_state></c>"),
                 kCodePage),
             WM_FORMAT_STATE, 1, 0);
  ExpectNothing(ParseFormatStateAnswer(Answer("<c><dm_state>"), kCodePage));
}

TEST(VolumeAnswer, TheCallersRecordTakesTheFirstVolumeAndNewOnesFollow) {
  VolumeInfoList first{};
  const AnswerReport report = ParseVolumeAnswer(Sample("get_volume_status.xml"), kCodePage, first);
  EXPECT_EQ(report.delivery, AnswerReport::Delivery::kMailbox);
  EXPECT_EQ(report.notice, nullptr);
  EXPECT_EQ(first.volume, 1);
  EXPECT_EQ(first.totalSize, 994);
  EXPECT_EQ(first.usedSize, 12);
  ASSERT_NE(first.next, nullptr);
  EXPECT_EQ(first.next->volume, 2);
  EXPECT_EQ(first.next->totalSize, 494);
  EXPECT_EQ(first.next->usedSize, 0);
  EXPECT_EQ(first.next->next, nullptr);
  FreeVolumeInfoTail(first);
  EXPECT_EQ(first.next, nullptr);
}

TEST(VolumeAnswer, RecordsAlreadyLinkedAreReusedAndMissingSizesReadZero) {
  VolumeInfoList second{9, 9, 9, nullptr};
  VolumeInfoList first{9, 9, 9, &second};
  ParseVolumeAnswer(Answer("<c><item><volume>1</volume></item><item><volume>2</volume>"
                           "<use_size>5</use_size></item><item><volume>3</volume></item></c>"),
                    kCodePage, first);
  EXPECT_EQ(first.volume, 1);
  EXPECT_EQ(first.totalSize, 0);
  EXPECT_EQ(second.volume, 2);
  EXPECT_EQ(second.usedSize, 5);
  ASSERT_NE(second.next, nullptr);
  EXPECT_EQ(second.next->volume, 3);
  FreeVolumeInfoTail(second);

  VolumeInfoList untouched{7, 7, 7, nullptr};
  EXPECT_EQ(ParseVolumeAnswer(Answer("<c><item>"), kCodePage, untouched).delivery,
            AnswerReport::Delivery::kNothing);
  EXPECT_EQ(untouched.volume, 7);
  EXPECT_EQ(ParseVolumeAnswer(Answer("<c></c>"), kCodePage, untouched).delivery,
            AnswerReport::Delivery::kMailbox);
  EXPECT_EQ(untouched.next, nullptr);
}

// Sizes in KiB beyond 32 bits are kept whole; an item the panels could not show truthfully (a
// negative size, a volume number outside 1-255 or none) is left out, and the next one takes its
// place.
TEST(VolumeAnswer, LargeSizesReadWholeAndImpossibleItemsLeftOut) {
  VolumeInfoList first{};
  ParseVolumeAnswer(
      Answer("<c><item><volume>1</volume><total_size>4294967296</total_size>"
             "<use_size>2147483648</use_size></item>"
             "<item><volume>2</volume><total_size>-1</total_size><use_size>0</use_size></item>"
             "<item><volume>3</volume><total_size>10</total_size><use_size>-2048</use_size></item>"
             "<item><volume>-2147483648</volume><total_size>10</total_size></item>"
             "<item><volume>256</volume><total_size>10</total_size></item>"
             "<item><total_size>10</total_size></item>"
             "<item><volume>255</volume><total_size>99999999999999999999999</total_size></item>"
             "</c>"),
      kCodePage, first);
  EXPECT_EQ(first.volume, 1);
  EXPECT_EQ(first.totalSize >> 20, 4096);
  EXPECT_EQ(first.usedSize >> 20, 2048);
  ASSERT_NE(first.next, nullptr);
  EXPECT_EQ(first.next->volume, 255);
  EXPECT_EQ(first.next->totalSize, std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(first.next->next, nullptr);
  FreeVolumeInfoTail(first);

  VolumeInfoList none{};
  ParseVolumeAnswer(Answer("<c><item><volume>0</volume><total_size>10</total_size></item></c>"),
                    kCodePage, none);
  EXPECT_EQ(none.volume, 0);  // the caller's record holds no volume: no panel
  EXPECT_EQ(none.next, nullptr);
}

TEST(AccessAnswer, TheAuthorityTextThroughTheMailbox) {
  std::u16string access = u"old";
  EXPECT_EQ(ParseAccessAnswer(Sample("get_user_access.xml"), kCodePage, access).delivery,
            AnswerReport::Delivery::kMailbox);
  EXPECT_EQ(access, u"1011");
  EXPECT_EQ(ParseAccessAnswer(Answer("<c><other>1</other></c>"), kCodePage, access).delivery,
            AnswerReport::Delivery::kMailbox);
  EXPECT_EQ(access, u"");
  access = u"old";
  ExpectNothing(ParseAccessAnswer(Answer("<c><authority>1</authority>"), kCodePage, access));
  EXPECT_EQ(access, u"");
}

TEST(AnswerDispatch, EachOperationReachesItsParser) {
  LoginCredentialsRecord login{};
  WizardInfoRecord wizard{};
  NasDeviceList devices;
  ShareListRecord shares;
  VolumeInfoList volumes{};
  std::u16string access;
  const std::string mac = "00:00:00:00:00:01";
  AnswerTargets targets{kCodePage, login,        "secret", wizard,   devices,
                        mac,       "192.0.2.21", shares,   &volumes, access};

  ParseAnswer(kOpCgiCommand, 1, Sample("change_password.xml"), targets);
  EXPECT_STREQ(login.password, "secret");
  ParseAnswer(kOpCgiCommand, 2, Sample("get_wizard_info.xml"), targets);
  EXPECT_STREQ(wizard.hostName, "QB-550");
  ParseAnswer(kOpCgiCommand, 6, Sample("get_lan_info.xml"), targets);
  EXPECT_STREQ(wizard.lan.address, "198.51.100.40");
  EXPECT_STREQ(wizard.hostName, "QB-550");  // the LAN answer writes only the address part
  ExpectNothing(ParseAnswer(kOpCgiCommand, 8, Sample("get_share_info.xml"), targets));
  EXPECT_EQ(shares.size(), 3u);
  EXPECT_EQ(ParseAnswer(kOpShareList, 8, Sample("get_share_info.xml"), targets).delivery,
            AnswerReport::Delivery::kMailbox);
  EXPECT_EQ(shares.size(), 6u);
  EXPECT_TRUE(ParseAnswer(kOpCgiCommand, 9, Sample("get_disk_info.xml"), targets).diskInfo);
  for (const int settingCommand : {3, 4, 5, 7})
    ExpectNothing(ParseAnswer(kOpCgiCommand, settingCommand, Sample("create_volume.xml"), targets));

  EXPECT_EQ(ParseAnswer(kOpDiskStep, 10, Sample("stop_web_file_manager.xml"), targets).delayMs,
            5000u);
  ExpectPost(ParseAnswer(kOpDiskStep, 11, Sample("create_volume.xml"), targets), WM_VOLUME_CREATED,
             1, 11);
  ExpectPost(ParseAnswer(kOpDiskStep, 12, Sample("read_format_state.xml"), targets),
             WM_FORMAT_STATE, 1, 42);
  ExpectPost(ParseAnswer(kOpDiskStep, 14, Sample("check_remount_state.xml"), targets),
             WM_DISK_STEP_DONE, 1, 14);
  EXPECT_EQ(ParseAnswer(kOpVolumeStatus, 16, Sample("get_volume_status.xml"), targets).delivery,
            AnswerReport::Delivery::kMailbox);
  EXPECT_EQ(volumes.totalSize, 994);
  FreeVolumeInfoTail(volumes);
  EXPECT_EQ(ParseAnswer(kOpUserAccess, 18, Sample("get_user_access.xml"), targets).delivery,
            AnswerReport::Delivery::kMailbox);
  EXPECT_EQ(access, u"1011");

  targets.volumes = nullptr;
  ExpectNothing(ParseAnswer(kOpVolumeStatus, 16, Sample("get_volume_status.xml"), targets));
  ExpectNothing(ParseAnswer(kOpDiscovery, 1, Sample("change_password.xml"), targets));
  ExpectNothing(ParseAnswer(kOpDiskStep, 9, Sample("get_disk_info.xml"), targets));
}
