#include "i18n/builtin_tables.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "i18n/language.h"

namespace {

// The English texts that the interface shows through the tables, in table order; two occur twice.
const char16_t* const kShownTexts[] = {
    u"Select NAS",
    u"Login failed.",
    u"Connect",
    u"Refresh",
    u"Welcome %s",
    u"Mask:%s",
    u"Gateway:%s",
    u"Wizard",
    u"Folder",
    u"File Center",
    u"Management Center",
    u"Download Center",
    u"Backup Center",
    u"Surveillance Center",
    u"User Name",
    u"Password",
    u"Remember Me",
    u"OK",
    u"Cancel",
    u"Select NAS/Short Cut",
    u"Logout",
    u"Settings",
    u"Help",
    u"Minimize",
    u"Close",
    u"Connect NAS",
    u"Search NAS",
    u"Device Info",
    u"TimeZone",
    u"Network",
    u"Raid",
    u"DriveMapping",
    u"Confirm Password",
    u"Skip",
    u"Next",
    u"Exit",
    u"Previous",
    u"Finish",
    u"Workgroup",
    u"Name",
    u"Description",
    u"DHCP",
    u"Static",
    u"Static IP Address",
    u"IP ADDress",
    u"Subnet Mask",
    u"Gateway IP",
    u"Location",
    u"select",
    u"* A password is a secret word or string of characters that is used for authentication,to prove identily or gain access to a resource",
    u"It will rebuild you disk, be sure you want to do it and press \"OK\" button to continue...",
    u"User name couldn't be empty.",
    u"CheckDiskRemountState failed.",
    u"Set Remount failed.",
    u"Complete",
    u"Congratulations!! The Formation process is complete.Please enter the OK button to finish the Wizard. Thanks.",
    u"format error.",
    u"setting NAS ip failed,please reset NAS ip.",
    u"IP address input error. Please try again.",
    u"Warning",
    u"Warning - The default gateway is not on the same network segment(subnet)that is defined by the IPaddress and subnet mask. Do you want to save this configuration?",
    u"Refresh NAS list failed.",
    u"get the NAS share file error.",
    u"umount sucess.",
    u"umount error.",
    u"Mount sucess",
    u"Mount error",
    u"Get wizard information failed.",
    u"No hard disk is detected.",
    u"Check disk mode error.",
    u"Set WizardWorkgroup failed.",
    u"Pleace input your new password or skip this step.",
    u"The password and confirmation password characters do not match.",
    u"The %s must not include the following characters:%s.",
    u"Page load failure.",
    u"setting failed.",
    u"get NAS new ip error.",
    u"Up",
    u"Down",
    u"Modify Password",
    u"Logout Time",
    u"Short Cut",
    u"format error.",
    u"setting failed.",
    u"Welcome %s, do you want to goto the wiard to setting your %s?",
    u"Not the same subnet, do you want to change NAS ip?",
    u"Setting NAS ip Sucess,Refresh ....",
    u"Not the same network segment, please administrator privileges to change the ip of NAS setting.",
    u"Get VolumeInfo failed.",
    u"Time out, please login again.",
    u"WorkGroup",
    u"Logout Manually",
    u"Device IP",
    u"* Choose a value for the Drovik Inactivity Timer. If the user is idle for longer than the specified time, he will be logged out of the Drovik.",
    u"International Data Line West",
    u"Samoa",
    u"Hawaii",
    u"Alaska",
    u"Baja California",
    u"Pacific Time (US &amp; Canada)",
    u"Mountain Time (US &amp; Canada)",
    u"Arizona",
    u"Chihuahua, La Paz, Mazatlan",
    u"Central America",
    u"Central Time(US &amp; Canada)",
    u"Guadalajara, Mexico City, Monterrey",
    u"Saskatchewan",
    u"Indiana (East)",
    u"Eastern Time (US &amp; Canada)",
    u"Bogota, Lima, Quito",
    u"Caracas",
    u"Atlantic Time (Canada)",
    u"Georgetown, La Paz, Manaus, San Juan",
    u"Asuncion",
    u"Santiago",
    u"Cuiaba",
    u"Newfoundland",
    u"Brasilia",
    u"Buenos Aires",
    u"Greenland",
    u"Cayenne",
    u"Montevideo",
    u"Mid-Atlantic",
    u"Azores",
    u"Cape Verde Is",
    u"Casablanca",
    u"Dublin, Edinburgh, Lisbon, London",
    u"Monrovia, Reykjavik",
    u"West Central Africa",
    u"Brussels, Copenhagen, Madrid, Paris",
    u"Belgrade, Bratislava, Budapest, Ljubljana, Prague",
    u"Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna",
    u"Sarajevo, Skopje, Warsaw, Zagreb",
    u"Amman",
    u"Beirut",
    u"Minsk",
    u"Harare, Pretoria",
    u"Jerusalem",
    u"Cairo",
    u"Athens, Bucharest, Istanbul",
    u"Windhoek",
    u"Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius",
    u"Baghdad",
    u"Nairobi",
    u"Kuwait, Riyadh",
    u"Moscow, St. Petersburg, Volgograd",
    u"Tehran",
    u"Baku",
    u"Abu Dhabi, Muscat",
    u"Tbilisi",
    u"Yerevan",
    u"Port Louis",
    u"Kabul",
    u"Ekaterinburg",
    u"Islamabad, Karachi",
    u"Tashkent",
    u"Chennai, Kolkata, Mumbai, New Delhi",
    u"Sri Jayawardenepura",
    u"Kathmandu",
    u"Astana",
    u"Novosibirsk",
    u"Dhaka",
    u"Yangon (Rangoon)",
    u"Krasnoyarsk",
    u"Bangkok, Hanoi, Jakarta",
    u"Beijing, Chongqing, Hong Kong, Urumqi",
    u"Taipei",
    u"Kuala Lumpur, Singapore",
    u"Perth",
    u"Ulaan Bataar",
    u"Osaka, Sapporo, Tokyo",
    u"Irkutsk",
    u"Seoul",
    u"Adelaide",
    u"Darwin",
    u"Brisbane",
    u"Canberra, Melbourne, Sydney",
    u"Yakutsk",
    u"Hobart",
    u"Guam, Port Moresby",
    u"Vladivostok",
    u"Solomon Is., New Caledonia",
    u"Magadan",
    u"Petropavlovsk-Kamchatsky",
    u"Fiji, Marshall Is",
    u"Auckland, Wellington",
    u"Nuku'alofa",
    u"Please enter a valid address in SubnetMask.",
    u"%d is not a valid entry.  Please specify a value between 0 and 255 for this field.",
    u"%d is not a valid entry in IP.  Please specify a value between 1 and %d for this field.",
    u"%d is not a valid entry in GateWay IP.  Please specify a value between 1 and %d for this field.",
    u"%d is not a valid entry in DNS.  Please specify a value between 1 and %d for this field.",
    u"Missing value in address",
    u"Error",
    u"%dG Used/%dG Available",
    u"All Rights Reserved.",
    u"Reading the volumes failed.",
    u"Reading the shares failed.",
    u"The device answered HTTP %d.",
    u"Username or password error.",
    u"other subnet",
    u"Search again",
    u"No NAS was found.",
    u"No network adapter with IPv4 took part in the search.",
    u"Adapter %s (mask %s): the search could not be sent.",
    u"Adapter %s (mask %s): search sent, %d datagrams heard, %d ignored.",
    u"Ignored: %d of another product, %d answering another search, %d cut short or malformed, %d not a search answer.",
    u"Adapters left out, more than the search uses: %d.",
    u"Nothing at all was heard. Likely causes:",
    u"a firewall on this computer blocks inbound UDP port 13579, where the devices answer",
    u"the adapter is a VPN adapter that does not carry multicast (224.0.0.1), so the search never reached the devices",
    u"the device is still starting: search again in a minute",
    u"Datagrams were heard, but none was a NAS of this kind answering this search.",
    u"Every NAS found is on another subnet: logging in as admin offers to move it to this subnet.",
};

struct Pair {
  std::u16string key;
  std::u16string value;
};

// The pairs of a table text as written, checking on the way that it keeps the layout of the
// built-in tables: "|key||value|" with two tabs and three spaces between pairs.
std::vector<Pair> PairsAsWritten(std::u16string_view table) {
  std::vector<std::u16string> fields;
  for (std::size_t start = 0;;) {
    const std::size_t bar = table.find(u'|', start);
    fields.emplace_back(table.substr(start, bar - start));
    if (bar == std::u16string_view::npos) break;
    start = bar + 1;
  }
  std::vector<Pair> pairs;
  EXPECT_EQ(fields.size() % 4, 1u);
  EXPECT_EQ(fields.front(), u"");
  for (std::size_t i = 1; i + 3 < fields.size(); i += 4) {
    EXPECT_EQ(fields[i + 1], u"") << "after pair " << pairs.size();
    const bool last = i + 3 == fields.size() - 1;
    EXPECT_EQ(fields[i + 3], last ? u"" : u"\t\t   ") << "after pair " << pairs.size();
    pairs.push_back({fields[i], fields[i + 2]});
  }
  return pairs;
}

// The printf conversions of a text in order ("%s", "%d", "%5.2f" ...); "%%" is none.
std::vector<std::u16string> Placeholders(std::u16string_view text) {
  constexpr std::u16string_view kFlagsAndSizes = u"-+ #0123456789.*hlLjzt";
  std::vector<std::u16string> found;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'%') continue;
    if (i + 1 < text.size() && text[i + 1] == u'%') {
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    while (end < text.size() && kFlagsAndSizes.find(text[end]) != std::u16string_view::npos) ++end;
    found.emplace_back(text.substr(i, end + 1 - i));
    i = end;
  }
  return found;
}

class BuiltInTable : public testing::TestWithParam<const char16_t*> {};

TEST_P(BuiltInTable, HoldsEveryShownTextInOrderWithATranslation) {
  const std::vector<Pair> pairs = PairsAsWritten(GetParam());
  ASSERT_EQ(pairs.size(), std::size(kShownTexts));
  std::map<std::u16string, std::u16string> firstValue;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(pairs[i].key, kShownTexts[i]);
    EXPECT_NE(pairs[i].value, u"");
    EXPECT_NE(pairs[i].value, pairs[i].key);
    const auto [known, fresh] = firstValue.emplace(pairs[i].key, pairs[i].value);
    EXPECT_TRUE(fresh || known->second == pairs[i].value) << "a twice-listed text differs";
  }
  EXPECT_EQ(firstValue.size(), 212u);
}

TEST_P(BuiltInTable, KeepsEveryPlaceholderInPlace) {
  for (const Pair& pair : PairsAsWritten(GetParam())) {
    SCOPED_TRACE(std::string(pair.key.begin(), pair.key.end()));
    EXPECT_EQ(Placeholders(pair.value), Placeholders(pair.key));
  }
}

INSTANTIATE_TEST_SUITE_P(Chinese, BuiltInTable,
                         testing::Values(kSimplifiedChineseTable, kTraditionalChineseTable));

TEST(PlaceholderCheck, SeesOrderAndConversion) {
  using List = std::vector<std::u16string>;
  EXPECT_EQ(Placeholders(u"%dG Used/%dG Available"), (List{u"%d", u"%d"}));
  EXPECT_EQ(Placeholders(u"100%% %-5.2f %lu %s"), (List{u"%-5.2f", u"%lu", u"%s"}));
  EXPECT_NE(Placeholders(u"%s then %d"), Placeholders(u"%d then %s"));
}

// Each loaded table gives, for every shown text, the translation written for it.
TEST(BuiltInTables, LookupFindsTheWrittenTranslationOfEveryText) {
  const CLanguageChs simplified;
  const CLanguageCht traditional;
  const std::pair<const CLanguageBase*, const char16_t*> languages[] = {
      {&simplified, kSimplifiedChineseTable}, {&traditional, kTraditionalChineseTable}};
  for (const auto& [language, table] : languages)
    for (const Pair& pair : PairsAsWritten(table))
      EXPECT_EQ(std::u16string(language->Translate(pair.key.c_str())), pair.value);
}

TEST(BuiltInTables, TellingRowsReadAsGiven) {
  struct Row {
    const char16_t* key;
    const char16_t* simplified;
    const char16_t* traditional;
  };
  const Row rows[] = {
      {u"Select NAS", u"选择NAS", u"選擇NAS"},
      {u"Welcome %s", u"欢迎%s", u"歡迎 %s"},
      {u"Close", u"退出", u"退出"},
      {u"Exit", u"取消", u"取消"},
      {u"DHCP", u"自动获得网络信息", u"自動獲得網路資訊"},
      {u"Static", u"使用以下的网络信息", u"使用以下的網路資訊"},
      {u"Static IP Address", u"使用以下的网络信息", u"使用以下的網路資訊"},
      {u"WorkGroup", u"设备信息", u"設備資訊"},
      {u"Workgroup", u"工作组", u"工作組"},
      {u"%dG Used/%dG Available", u"%dG 已使用/%dG 总容量", u"%dG 已使用/%dG 總容量"},
      {u"Pacific Time (US &amp; Canada)", u"太平洋时间(美国&安培;加拿大)",
       u"太平洋時間(美國&安培;加拿大)"},
      {u"%d is not a valid entry in IP.  Please specify a value between 1 and %d for this field.",
       u"%d不是一个有效的IP值,请键入一个介于1到%d范围的值.",
       u"%d不是一個有效的IP值,請鍵入一個介於0到%d範圍的值."},
  };
  const CLanguageChs simplified;
  const CLanguageCht traditional;
  for (const Row& row : rows) {
    EXPECT_EQ(std::u16string(simplified.Translate(row.key)), row.simplified);
    EXPECT_EQ(std::u16string(traditional.Translate(row.key)), row.traditional);
  }
}

}  // namespace
