// The main window's pure rules: the web applications' links and the share paths (device data never
// steers them), the control states of each login state and of an access text, the device a search
// selects, the subnet check and the credential field size.
#include <gtest/gtest.h>

#include <algorithm>

#include "rules/control_states.h"
#include "rules/dotted_address.h"
#include "rules/login_rules.h"
#include "rules/shortcut_links.h"

namespace {
bool Enabled(const ControlStates& states, int control) {
  const auto column = std::find(kStateControls.begin(), kStateControls.end(), control) - kStateControls.begin();
  return states[static_cast<size_t>(column)];
}

std::vector<int> EnabledControls(const ControlStates& states) {
  std::vector<int> enabled;
  for (size_t column = 0; column < states.size(); ++column) {
    if (states[column]) enabled.push_back(kStateControls[column]);
  }
  return enabled;
}
}  // namespace

TEST(WebApplicationLinks, CarryTheApplicationAndTheLoginWithQueryCharactersEscaped) {
  EXPECT_EQ(WebApplicationUrl(u"192.0.2.10", 1, u"admin", u"secret"),
            u"http://192.0.2.10/web/tamsel_redirect.html?m=1&u=admin&p=secret");
  EXPECT_EQ(WebApplicationUrl(u"192.0.2.10", 4, u"a=b", u"a&b #1"),
            u"http://192.0.2.10/web/tamsel_redirect.html?m=4&u=a%3Db&p=a%26b %231");
  EXPECT_EQ(EncodeQueryValue(u"100%+x"), u"100%25%2Bx");
  // Everything else passes as it is: spaces, slashes, non-ASCII letters.
  EXPECT_EQ(EncodeQueryValue(u"a b/c?\u4e2d"), u"a b/c?\u4e2d");
  EXPECT_EQ(EncodeQueryValue(u""), u"");
}

TEST(WebApplicationLinks, AreNotMadeForAnAddressThatIsNotDottedText) {
  for (const char16_t* address : {u"", u"evil.example/x", u"192.0.2", u"192.0.2.256", u"192.0.2.1/", u"1.2.3.4.5",
                                  u"0001.2.3.4", u"192.0.2.1 "}) {
    EXPECT_FALSE(WebApplicationUrl(address, 1, u"u", u"p")) << std::string(address, address + std::char_traits<char16_t>::length(address));
  }
  EXPECT_TRUE(WebApplicationUrl(u"0.0.0.0", 1, u"u", u"p"));
  EXPECT_TRUE(WebApplicationUrl(u"255.255.255.255", 1, u"u", u"p"));
}

TEST(SharePaths, NameOneFolderOfTheDeviceOrNothing) {
  EXPECT_EQ(SharePath(u"192.0.2.10", u"public"), u"\\\\192.0.2.10\\public");
  EXPECT_EQ(SharePath(u"192.0.2.10", u"My Music \u97f3\u4e50"), u"\\\\192.0.2.10\\My Music \u97f3\u4e50");
  for (const char16_t* name : {u"", u".", u"..", u"..\\..\\c$", u"a/b", u"c:", u"x\ty", u"line\n", u"del\x7f"}) {
    EXPECT_FALSE(SharePath(u"192.0.2.10", name).has_value());
    EXPECT_FALSE(IsPlainShareName(name));
  }
  EXPECT_TRUE(IsPlainShareName(u"...hidden"));  // only "." and ".." themselves walk the tree
  EXPECT_FALSE(SharePath(u"192.0.2.10\\c$", u"public").has_value());
}

TEST(ControlStates, FollowTheLoginStateTable) {
  EXPECT_TRUE(EnabledControls(StateControls(kSearching)).empty());
  EXPECT_EQ(EnabledControls(StateControls(kLoggedOut)), (std::vector<int>{IDC_CONNECT, IDC_REFRESH, IDC_DEVICE_LIST}));
  EXPECT_EQ(EnabledControls(StateControls(kAdministrator)).size(), kStateControls.size());
  const ControlStates user = StateControls(kUserWithoutAccessList);
  EXPECT_EQ(EnabledControls(user),
            (std::vector<int>{IDC_SELECT_SHORTCUT, IDC_AUTO_SORTING, IDC_SHORTCUT_WIZARD, IDC_SHORTCUT_FOLDER,
                              IDC_MAIN_NETWORK, IDC_MAIN_DRIVE_MAPPING, IDC_CONNECT, IDC_REFRESH, IDC_LOGOUT,
                              IDC_SETTINGS, IDC_DEVICE_LIST}));
  for (int other : {-1, 4, 99}) EXPECT_EQ(StateControls(other), StateControls(kSearching)) << other;
}

TEST(ControlStates, OfAnAccessTextEnableEachWebShortcutUnlessItsCharacterIsZero) {
  const ControlStates noDownload = AccessControls(u"1,0,1,1,1,1");
  EXPECT_FALSE(Enabled(noDownload, IDC_SHORTCUT_DOWNLOAD_CENTER));
  for (int control : {IDC_SHORTCUT_FILE_CENTER, IDC_SHORTCUT_BACKUP_CENTER, IDC_SHORTCUT_MANAGEMENT_CENTER,
                      IDC_SHORTCUT_SURVEILLANCE_CENTER, IDC_SHORTCUT_PLAY_CENTER, IDC_SETTINGS, IDC_LOGOUT,
                      IDC_SHORTCUT_WIZARD, IDC_SHORTCUT_FOLDER, IDC_DEVICE_LIST}) {
    EXPECT_TRUE(Enabled(noDownload, control)) << control;
  }
  const ControlStates none = AccessControls(u"x,0,0,0,0,0");
  for (int control : {IDC_SHORTCUT_DOWNLOAD_CENTER, IDC_SHORTCUT_FILE_CENTER, IDC_SHORTCUT_BACKUP_CENTER,
                      IDC_SHORTCUT_MANAGEMENT_CENTER, IDC_SHORTCUT_SURVEILLANCE_CENTER}) {
    EXPECT_FALSE(Enabled(none, control)) << control;
  }
  EXPECT_EQ(AccessControls(u""), StateControls(kUserWithoutAccessList));
}

TEST(ControlStates, OfAShortAccessTextGrantNothingPastItsEnd) {
  const ControlStates shortText = AccessControls(u"1,1,1");  // positions 0-4: download and file
  EXPECT_TRUE(Enabled(shortText, IDC_SHORTCUT_DOWNLOAD_CENTER));
  EXPECT_TRUE(Enabled(shortText, IDC_SHORTCUT_FILE_CENTER));
  EXPECT_FALSE(Enabled(shortText, IDC_SHORTCUT_BACKUP_CENTER));
  EXPECT_FALSE(Enabled(shortText, IDC_SHORTCUT_MANAGEMENT_CENTER));
  EXPECT_FALSE(Enabled(shortText, IDC_SHORTCUT_SURVEILLANCE_CENTER));
  EXPECT_TRUE(Enabled(shortText, IDC_LOGOUT));
}

TEST(DeviceChoice, IsTheLastNameMatchingTheRememberedOneWithoutCaseElseTheFirst) {
  EXPECT_EQ(ChooseDevice({u"nas-a", u"NAS-B", u"nas-b", u"other"}, u"Nas-B"), 2);
  EXPECT_EQ(ChooseDevice({u"NAS-B", u"nas-a"}, u"nas-b"), 0);
  EXPECT_EQ(ChooseDevice({u"one", u"two"}, u"three"), 0);
  EXPECT_EQ(ChooseDevice({u"one", u"two"}, u""), 0);
  EXPECT_EQ(ChooseDevice({}, u"one"), -1);
  EXPECT_EQ(ChooseDevice({u"NAS\u00c4", u"nas\u00e4"}, u"nas\u00e4"), 1);  // only ASCII letters fold
}

TEST(SubnetCheck, ComparesTheNetworksOfAdapterAndDevice) {
  EXPECT_TRUE(OnSameSubnet("192.0.2.5", "255.255.255.0", "192.0.2.10", "255.255.255.0"));
  EXPECT_FALSE(OnSameSubnet("192.0.2.5", "255.255.255.0", "198.51.100.10", "255.255.255.0"));
  // Each side with its own mask, as the device reports it.
  EXPECT_TRUE(OnSameSubnet("192.0.2.5", "255.255.0.0", "192.0.9.10", "255.255.0.0"));
  EXPECT_FALSE(OnSameSubnet("192.0.2.5", "255.255.255.0", "192.0.2.10", "255.255.0.0"));
  for (const char* bad : {"", "192.0.2", "192.0.2.300", "not an address"}) {
    EXPECT_FALSE(OnSameSubnet("192.0.2.5", "255.255.255.0", bad, "255.255.255.0")) << bad;
    EXPECT_FALSE(OnSameSubnet(bad, "255.255.255.0", "192.0.2.5", "255.255.255.0")) << bad;
  }
  EXPECT_EQ(ParseDotted(std::string_view("203.0.113.7")), 0xCB007107u);
}

TEST(CredentialFields, HoldFifteenBytes) {
  EXPECT_TRUE(FitsCredentialField(""));
  EXPECT_TRUE(FitsCredentialField(std::string(15, 'a')));
  EXPECT_FALSE(FitsCredentialField(std::string(16, 'a')));
}
