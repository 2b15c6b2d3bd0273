// The wizard's settings, the device identity and the time zone, read back by the program's parser.
#include "sim/commands_system.h"

#include <cstdio>

#include "net/device_commands.h"
#include "sim/tests/sim_test_nas.h"

namespace {

WizardInfoRecord ReadWizard(TestNas& nas) {
  ProgramRecords program;
  program.Read(2, nas.Exchange(2, GetWizardInfoBody()));
  return program.wizard;
}

DeviceIdentity Identity(const char* name, const char* workgroup, const char* description) {
  DeviceIdentity identity{};
  std::snprintf(identity.hostName, sizeof identity.hostName, "%s", name);
  std::snprintf(identity.workgroup, sizeof identity.workgroup, "%s", workgroup);
  std::snprintf(identity.description, sizeof identity.description, "%s", description);
  return identity;
}

}  // namespace

TEST(SystemCommands, TheWizardReadsEverySetting) {
  TestNas nas;
  nas.device.dhcp = true;
  nas.device.dns1 = "192.0.2.53";
  nas.device.workgroup = "HOME";
  nas.device.description = "Fotos <alt> & neu";
  nas.device.timeZone = 32;
  const WizardInfoRecord wizard = ReadWizard(nas);
  EXPECT_STREQ(wizard.lan.address, "192.0.2.21");
  EXPECT_STREQ(wizard.lan.mask, "255.255.255.0");
  EXPECT_STREQ(wizard.lan.gateway, "192.0.2.1");
  EXPECT_EQ(wizard.dhcpFlag, 1);
  EXPECT_STREQ(wizard.dns1, "192.0.2.53");
  EXPECT_STREQ(wizard.dns2, "");  // none: answered as 0.0.0.0
  EXPECT_STREQ(wizard.hostName, "NAS-1");
  EXPECT_STREQ(wizard.workgroup, "HOME");
  EXPECT_STREQ(wizard.description, "Fotos <alt> & neu");
  EXPECT_EQ(wizard.timeZoneIndex, 32);
}

TEST(SystemCommands, TheIdentityArrivesWholeWithTheFormCharactersInIt) {
  TestNas nas;
  const std::string answer =
      nas.Exchange(3, SetDeviceInfoBody(Identity("NAS-TWO", "OFFICE", "Tom & Jerry = 100% +1"))
                          .value());
  EXPECT_NE(answer.find("<res>1</res>"), std::string::npos);
  EXPECT_EQ(nas.device.description, "Tom & Jerry = 100% +1");
  const WizardInfoRecord wizard = ReadWizard(nas);
  EXPECT_STREQ(wizard.hostName, "NAS-TWO");
  EXPECT_STREQ(wizard.workgroup, "OFFICE");
  EXPECT_STREQ(wizard.description, "Tom & Jerry = 100% +1");

  // Sent unescaped, the "&" would have cut the description short.
  nas.Exchange(3, "cmd=cgi_device&description=Tom & Jerry&hostname=N3&workgroup=W");
  EXPECT_EQ(nas.device.description, "Tom ");

  // Without a name or a workgroup nothing changes.
  for (const DeviceIdentity& bad : {Identity("", "OFFICE", "x"), Identity("N4", "", "x")}) {
    EXPECT_NE(nas.Exchange(3, SetDeviceInfoBody(bad).value()).find("<res>0</res>"),
              std::string::npos);
    EXPECT_EQ(nas.device.name, "N3");
    EXPECT_EQ(nas.device.workgroup, "W");
  }
}

TEST(SystemCommands, TheTimeZoneIsOneOfTheZones) {
  TestNas nas;
  nas.Exchange(4, SetTimeZoneBody(96));
  EXPECT_EQ(ReadWizard(nas).timeZoneIndex, 96);
  for (const std::string& body : {SetTimeZoneBody(0), SetTimeZoneBody(97), SetTimeZoneBody(-3),
                                 std::string("cmd=cgi_timezone&f_timezone=5x"),
                                 std::string("cmd=cgi_timezone")}) {
    EXPECT_NE(nas.Exchange(4, body).find("<res>0</res>"), std::string::npos) << body;
    EXPECT_EQ(nas.device.timeZone, 96) << body;
  }
}
