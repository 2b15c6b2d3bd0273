#include "net/device_commands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace {

template <std::size_t N>
void Set(char (&field)[N], const char* text) {
  std::snprintf(field, N, "%s", text);
}

LoginCredentialsRecord Login(const char* user, const char* password) {
  LoginCredentialsRecord login{};
  Set(login.userName, user);
  Set(login.password, password);
  return login;
}

VolumeRequest Volume(int number, const char* level, int sizeGiB, const char* disks, int spare,
                     int equal, int autoSync = 0) {
  VolumeRequest v{};
  v.autoSync = autoSync;
  v.volumeNumber = number;
  Set(v.level, level);
  Set(v.fileSystem, "ext4");
  v.sizeGiB = sizeGiB;
  Set(v.disks, disks);
  v.spare = spare;
  v.equal = equal;
  return v;
}

NetworkSettings StaticNetwork() {
  NetworkSettings n{};
  n.dhcpFlag = 0;
  Set(n.address, "192.0.2.21");
  Set(n.mask, "255.255.255.0");
  Set(n.gateway, "192.0.2.1");
  return n;
}

}  // namespace

TEST(CommandBodies, FixedBodies) {
  EXPECT_EQ(GetWizardInfoBody(), "cmd=cgi_get_wizard");
  EXPECT_EQ(SetTimeZoneBody(32), "cmd=cgi_timezone&f_timezone=32");
  EXPECT_EQ(GetLanInfoBody(), "cmd=cgi_get_lan_xml2&lan=0");
  EXPECT_EQ(LockSetIpBody(), "cmd=cgi_setip_lock&lan=0");
  EXPECT_EQ(GetDiskInfoBody(), "");
  EXPECT_EQ(ReadFormatStateBody(), "");
  EXPECT_EQ(StopWebFileManagerBody(), "cmd=cgi_AJAXPlorer_Stop");
  EXPECT_EQ(RemountDiskBody(), "cmd=cgi_Disk_Remount");
  EXPECT_EQ(CheckRemountStateBody(), "cmd=cgi_Check_Disk_Remount_State");
  EXPECT_EQ(FinishFormatBody(), "cmd=cgi_FMT_Disk_Finish");
  EXPECT_EQ(GetVolumeStatusBody(), "cmd=cgi_Status_Volume_Info");
}

TEST(CommandBodies, AccountBodiesCarryTheLoggedInUser) {
  const LoginCredentialsRecord login = Login("admin", "old pw");
  EXPECT_EQ(ChangePasswordBody(login, "new pw"),
            "cmd=cgi_chg_user_pw&uname=admin&opw=old pw&pw=new pw");
  EXPECT_EQ(GetShareInfoBody(login, 1), "cmd=cgi_get_share_info2&name=admin&usb=1");
  EXPECT_EQ(GetUserAccessBody(Login("guest", "")), "cmd=cgi_get_user_access&name=guest");

  // The login record can keep 15 bytes: a longer new password would lock the user out.
  EXPECT_TRUE(ChangePasswordBody(login, std::string(15, 'p')));
  EXPECT_FALSE(ChangePasswordBody(login, std::string(16, 'p')));
  // Credentials without their terminating zero are not read past their field.
  LoginCredentialsRecord unterminated = login;
  std::memset(unterminated.userName, 'u', sizeof unterminated.userName);
  EXPECT_FALSE(ChangePasswordBody(unterminated, "x"));
  EXPECT_FALSE(GetShareInfoBody(unterminated, 0));
  EXPECT_FALSE(GetUserAccessBody(unterminated));
}

TEST(CommandBodies, NetworkBodyWithAndWithoutDnsServers) {
  NetworkSettings n = StaticNetwork();
  EXPECT_EQ(SetNetworkBody(n),
            "cmd=cgi_ip&f_dhcp_enable=0&f_ip=192.0.2.21&f_gateway=192.0.2.1&f_netmask=255.255.255.0"
            "&f_dns1=&f_dns2=&vlan_enable=0&vlan_id=0&lan=0");
  n.dhcpFlag = 1;
  Set(n.dns1, "192.0.2.53");
  Set(n.dns2, "198.51.100.53");
  EXPECT_EQ(SetNetworkBody(n),
            "cmd=cgi_ip&f_dhcp_enable=1&f_ip=192.0.2.21&f_gateway=192.0.2.1&f_netmask=255.255.255.0"
            "&f_dns1=192.0.2.53&f_dns2=198.51.100.53&vlan_enable=0&vlan_id=0&lan=0");
  std::memset(n.dns2, '1', sizeof n.dns2);
  EXPECT_FALSE(SetNetworkBody(n));
}

TEST(CommandBodies, TheFourFormCharactersAreEscapedAndNothingElse) {
  DeviceIdentity identity{};
  Set(identity.hostName, "QB-550");
  Set(identity.workgroup, "HOME NET");
  Set(identity.description, "Photos & music");
  EXPECT_EQ(SetDeviceInfoBody(identity),
            "cmd=cgi_device&description=Photos %26 music&hostname=QB-550&workgroup=HOME NET");

  Set(identity.description, "a=b%c+d&");
  Set(identity.hostName, "\xE9t\xE9 ~*/?#");  // other bytes, high ones included, go out as they are
  EXPECT_EQ(
      SetDeviceInfoBody(identity),
      "cmd=cgi_device&description=a%3Db%25c%2Bd%26&hostname=\xE9t\xE9 ~*/?#&workgroup=HOME NET");

  Set(identity.description, std::string(30, 'd').c_str());
  EXPECT_TRUE(SetDeviceInfoBody(identity));
  std::memset(identity.description, 'd', sizeof identity.description);
  EXPECT_FALSE(SetDeviceInfoBody(identity));
}

TEST(CommandBodies, OneDiskGivesFifteenValues) {
  const VolumeRequest one = Volume(1, "standard", 500 - 3, "sda", 0, 1);
  EXPECT_EQ(VolumeText(one), "1,standard,ext4,497,sda,none,0,1,497,0,none,1,0,0,null");
  EXPECT_EQ(CreateVolumeBody(&one),
            "cmd=cgi_FMT_Create_DiskMGR&f_create_volume_info="
            "1,standard,ext4,497,sda,none,0,1,497,0,none,1,0,0,null&f_create_type=1&f_auto_sync=0");
}

TEST(CommandBodies, RaidZeroOfUnequalDisksGivesThirtyValues) {
  // 500 and 1000 GiB: a stripe over twice the smaller disk, and a spare linear volume of the rest.
  VolumeRequest second = Volume(2, "linear", 1000 - 500 - 6, "sdasdb", 1, 0);
  VolumeRequest first = Volume(1, "raid0", 2 * 500 - 6, "sdasdb", 0, 0);
  first.next = &second;
  const std::string text =
      "1,raid0,ext4,994,sdasdb,none,0,1,994,0,none,0,0,0,null,"
      "2,linear,ext4,494,sdasdb,none,1,1,494,0,none,0,0,0,null";
  EXPECT_EQ(VolumeText(first), text);
  EXPECT_EQ(CreateVolumeBody(&first), "cmd=cgi_FMT_Create_DiskMGR&f_create_volume_info=" + text +
                                          "&f_create_type=1&f_auto_sync=0");

  // A third record is not read; f_auto_sync is the first record's.
  VolumeRequest third = Volume(3, "linear", 1, "sdc", 0, 0);
  second.next = &third;
  first.autoSync = 1;
  EXPECT_EQ(CreateVolumeBody(&first), "cmd=cgi_FMT_Create_DiskMGR&f_create_volume_info=" + text +
                                          "&f_create_type=1&f_auto_sync=1");
}

TEST(CommandBodies, VolumePlansThatCannotBeSent) {
  EXPECT_FALSE(CreateVolumeBody(nullptr));
  VolumeRequest second = Volume(2, "linear", 494, "sdasdb", 1, 0);
  VolumeRequest first = Volume(1, "raid0", 994, "sdasdb", 0, 0);
  first.next = &second;
  std::memset(second.disks, 's', sizeof second.disks);  // both names together exceed the field
  EXPECT_FALSE(VolumeText(first));
  EXPECT_FALSE(CreateVolumeBody(&first));
  std::memset(first.level, 'r', sizeof first.level);
  first.next = nullptr;
  EXPECT_FALSE(CreateVolumeBody(&first));
}
