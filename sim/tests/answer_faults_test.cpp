// Each kind of answer fault, as the program's parsers see it.
#include "sim/answer_faults.h"

#include "net/device_commands.h"
#include "sim/tests/sim_test_nas.h"

namespace {

AnswerFault Fault(const char* text) { return ParseAnswerFault(text).value(); }

}  // namespace

TEST(AnswerFaults, ReadFromTheirText) {
  EXPECT_EQ(Fault("res:5").number, 5);
  EXPECT_EQ(Fault("res:-1").number, -1);
  EXPECT_EQ(Fault("drop:percent").element, "percent");
  EXPECT_EQ(Fault("malformed").kind, AnswerFault::Kind::kMalformed);
  EXPECT_EQ(Fault("slow:1500").number, 1500);
  for (const char* bad : {"", "res", "res:", "res:x", "drop:", "slow:-5", "slow:600001", "slow",
                          "malformed:1", "late:5"})
    EXPECT_FALSE(ParseAnswerFault(bad)) << bad;
}

TEST(AnswerFaults, AnErrorCodeInTheResult) {
  DeviceState d = TestDevice("192.0.2.21", 1);
  d.disks = {{"sda", 500}};
  d.answerFaults["cgi_FMT_Create_DiskMGR"] = {Fault("res:5")};
  d.answerFaults["cgi_chg_user_pw"] = {Fault("res:0")};
  TestNas nas(d);
  ProgramRecords program;
  const AnswerReport created = program.Read(
      11, nas.Exchange(11, "cmd=cgi_FMT_Create_DiskMGR&f_create_volume_info=1,standard,ext4,497,"
                           "sda,none,0,1,497,0,none,1,0,0,null&f_create_type=1&f_auto_sync=0"));
  EXPECT_EQ(created.wParam, 5u);
  // The device did change its password; its answer says otherwise, and the program believes it.
  program.newPassword = "new";
  program.Read(1, nas.Exchange(1, "cmd=cgi_chg_user_pw&uname=admin&opw=secret&pw=new"));
  EXPECT_STREQ(program.credentials.password, "");
  EXPECT_EQ(nas.device.users[0].password, "new");
}

TEST(AnswerFaults, MissingElements) {
  DeviceState d = TestDevice("192.0.2.21", 1);
  d.disks = {{"sda", 500}, {"sdb", 1000}};
  d.answerFaults["current_hd_info.xml"] = {Fault("drop:device_num"), Fault("drop:hd_GiB_size")};
  d.answerFaults["dm_read_state.xml"] = {Fault("drop:percent")};
  d.answerFaults["cgi_get_user_access"] = {Fault("drop:authority")};
  TestNas nas(d);
  ProgramRecords program;
  const AnswerReport disks = program.Read(9, nas.Exchange(9, GetDiskInfoBody()));
  ASSERT_TRUE(disks.diskInfo);
  EXPECT_EQ(disks.diskInfo->diskCount, 0);
  EXPECT_STREQ(disks.diskInfo->secondName, "sdb");
  EXPECT_EQ(disks.diskInfo->secondSizeGiB, 0);
  const AnswerReport state = program.Read(12, nas.Exchange(12, ReadFormatStateBody()));
  EXPECT_EQ(state.wParam, 2u);
  EXPECT_EQ(state.lParam, 0);
  program.access = u"stale";
  program.Read(18, nas.Exchange(18, "cmd=cgi_get_user_access&name=bob"));
  EXPECT_EQ(program.access, u"");
}

TEST(AnswerFaults, AMalformedAnswerIsNotWellFormedForTheProgram) {
  DeviceState d = TestDevice("192.0.2.21", 1);
  for (const char* command : {"cgi_FMT_Create_DiskMGR", "cgi_AJAXPlorer_Stop", "cgi_Disk_Remount",
                              "dm_read_state.xml", "cgi_Status_Volume_Info"})
    d.answerFaults[command] = {Fault("malformed")};
  TestNas nas(d);
  ProgramRecords program;
  const AnswerReport created = program.Read(11, nas.Exchange(11, "cmd=cgi_FMT_Create_DiskMGR"));
  EXPECT_NE(created.notice, nullptr);
  EXPECT_EQ(created.wParam, 0u);
  EXPECT_NE(program.Read(10, nas.Exchange(10, StopWebFileManagerBody())).notice, nullptr);
  for (const int cmdIndex : {12, 13, 16}) {
    const AnswerReport report = program.Read(
        cmdIndex, nas.Exchange(cmdIndex, cmdIndex == 12   ? ReadFormatStateBody()
                                         : cmdIndex == 13 ? RemountDiskBody()
                                                          : GetVolumeStatusBody()));
    EXPECT_EQ(report.delivery, AnswerReport::Delivery::kNothing) << cmdIndex;
  }
  // Other commands of the device answer as always.
  EXPECT_EQ(program.Read(14, nas.Exchange(14, CheckRemountStateBody())).delivery,
            AnswerReport::Delivery::kPost);
}

TEST(AnswerFaults, SlowAnswersAddUpTheirDelays) {
  DeviceState d = TestDevice("192.0.2.21", 1);
  d.answerFaults["cgi_get_wizard"] = {Fault("slow:300"), Fault("slow:200"), Fault("res:2")};
  TestNas nas(d);
  ProgramRecords program;
  program.Read(2, nas.Exchange(2, GetWizardInfoBody()));
  EXPECT_EQ(nas.lastDelayMs, 500);
  EXPECT_STREQ(program.wizard.hostName, "NAS-1");  // late, but whole
  nas.Exchange(6, GetLanInfoBody());
  EXPECT_EQ(nas.lastDelayMs, 0);
}

TEST(AnswerFaults, TheSiteKnowsTheCommandsTheyName) {
  TestNas nas;
  for (const char* command :
       {"cgi_chg_user_pw", "cgi_get_wizard", "cgi_device", "cgi_timezone", "cgi_ip",
        "cgi_get_lan_xml2", "cgi_setip_lock", "cgi_get_share_info2", "current_hd_info.xml",
        "cgi_AJAXPlorer_Stop", "cgi_FMT_Create_DiskMGR", "dm_read_state.xml", "cgi_Disk_Remount",
        "cgi_Check_Disk_Remount_State", "cgi_FMT_Disk_Finish", "cgi_Status_Volume_Info",
        "cgi_get_user_access"})
    EXPECT_TRUE(nas.site.HasCommand(command)) << command;
  EXPECT_FALSE(nas.site.HasCommand("cgi_FMT_Create_DiskMgr"));
  EXPECT_FALSE(nas.site.HasCommand("hd_config.cgi"));
}
