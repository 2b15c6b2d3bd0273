#include "sim/commands_disk.h"

#include "sim/exchange_log.h"
#include "sim/volume_plan.h"

namespace {

constexpr char kDiskPath[] = "/cgi-bin/hd_config.cgi";

AnswerElement DiskInfo(DeviceState& device, const FormData&) {
  AnswerElement answer{"config", {}, {}};
  AnswerElement& list = answer.Add("hd_info").Add("device_info");
  list.Add("device_num", static_cast<int>(device.disks.size()));
  for (const DeviceDisk& disk : device.disks) {
    AnswerElement& item = list.Add("item");
    item.Add("device_name", disk.name);
    item.Add("hd_GiB_size", disk.sizeGiB);
  }
  return answer;
}

// Volume sizes go out in KiB: the program shifts them right by 20 bits to show gigabytes.
std::string KibText(int gib) { return std::to_string(static_cast<long long>(gib) << 20); }

AnswerElement VolumeStatus(DeviceState& device, const FormData&) {
  AnswerElement answer{"config", {}, {}};
  for (const DeviceVolume& volume : device.volumes) {
    AnswerElement& item = answer.Add("item");
    item.Add("volume", volume.number);
    item.Add("total_size", KibText(volume.totalGiB));
    item.Add("use_size", KibText(volume.usedGiB));
    item.Add("raid_level", volume.level);
  }
  return answer;
}

AnswerElement StopWebFileManager(DeviceState& device, const FormData&) {
  LogExchange(device, "web file manager stopped");
  return ResultAnswer(1);
}

AnswerElement CheckRemount(DeviceState& device, const FormData&) {
  return ResultAnswer(device.diskManager.remounted ? 1 : 0);
}

AnswerElement FinishFormat(DeviceState& device, const FormData&) {
  LogExchange(device, "format finished");
  return ResultAnswer(1);
}

}  // namespace

void DiskCommands::AddTo(WebSite& site) {
  site.AddCommand("/xml/current_hd_info.xml", "", DiskInfo);
  site.AddCommand(kDiskPath, "cgi_Status_Volume_Info", VolumeStatus);
  site.AddCommand(kDiskPath, "cgi_AJAXPlorer_Stop", StopWebFileManager);
  site.AddCommand(kDiskPath, "cgi_FMT_Create_DiskMGR",
                  [this](DeviceState& device, const FormData& form) {
                    return CreateVolumes(device, form);
                  });
  site.AddCommand("/xml/dm_read_state.xml", "",
                  [this](DeviceState& device, const FormData&) { return FormatState(device); });
  site.AddCommand(kDiskPath, "cgi_Disk_Remount",
                  [this](DeviceState& device, const FormData&) { return Remount(device); });
  site.AddCommand(kDiskPath, "cgi_Check_Disk_Remount_State", CheckRemount);
  site.AddCommand(kDiskPath, "cgi_FMT_Disk_Finish", FinishFormat);
}

// f_create_volume_info: the plan; f_create_type and f_auto_sync are not needed to build it.
AnswerElement DiskCommands::CreateVolumes(DeviceState& device, const FormData& form) {
  DiskManagerState& manager = device.diskManager;
  if (manager.format.Running(now_())) {
    LogExchange(device, "format refused: a format is running");
    return ResultAnswer(0);
  }
  const VolumePlan plan = ReadVolumePlan(form.Value("f_create_volume_info"), device.disks);
  if (!plan.error.empty()) {
    LogExchange(device, "format refused: " + Printable(plan.error));
    return ResultAnswer(0);
  }
  device.volumes.clear();
  for (const PlannedVolume& planned : plan.volumes)
    device.volumes.push_back(DeviceVolume{planned.number, planned.sizeGiB, 0, planned.level});
  manager.format.Start(now_(), std::chrono::seconds(device.format.seconds),
                       device.format.failAtPercent);
  manager.remounted = false;
  LogExchange(device, "format started volumes=" + std::to_string(plan.volumes.size()) +
                          " seconds=" + std::to_string(device.format.seconds) +
                          " plan=" + Printable(form.Value("f_create_volume_info")));
  return ResultAnswer(1);
}

// finished 1 once the run is over, errcode 1 while all is well and 0 after a failure.
AnswerElement DiskCommands::FormatState(DeviceState& device) {
  const FormatJob::Progress progress = device.diskManager.format.At(now_());
  AnswerElement answer{"config", {}, {}};
  AnswerElement& state = answer.Add("dm_state");
  state.Add("finished", progress.finished ? 1 : 0);
  state.Add("errcode", progress.failed ? 0 : 1);
  state.Add("percent", progress.percent);
  const char* how = progress.failed ? "failed" : progress.finished ? "finished" : "running";
  LogExchange(device, "format at " + std::to_string(progress.percent) + "% " + how);
  return answer;
}

AnswerElement DiskCommands::Remount(DeviceState& device) {
  if (device.diskManager.format.Running(now_())) {
    LogExchange(device, "remount refused: a format is running");
    return ResultAnswer(0);
  }
  device.diskManager.remounted = true;
  LogExchange(device, "disks remounted");
  return ResultAnswer(1);
}
