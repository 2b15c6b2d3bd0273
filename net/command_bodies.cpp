#include "net/command_bodies.h"

#include <cstring>

namespace {

// The text of a fixed field up to its zero; nothing when the array holds no zero (the text would
// run past the field).
template <std::size_t N>
std::optional<std::string_view> FieldText(const char (&field)[N]) {
  const std::size_t length = strnlen(field, N);
  if (length == N) return std::nullopt;
  return std::string_view(field, length);
}

// A form body "cmd=...&key=value...": values escaped, any refused value refusing the whole body.
class FormBody {
public:
  explicit FormBody(std::string_view command) : body_("cmd=") { body_ += command; }

  FormBody& Text(std::string_view key, std::optional<std::string_view> value) {
    if (!value) {
      refused_ = true;
    } else {
      AppendKey(key);
      AppendEscaped(*value);
    }
    return *this;
  }
  template <std::size_t N>
  FormBody& Field(std::string_view key, const char (&field)[N]) {
    return Text(key, FieldText(field));
  }
  FormBody& Number(std::string_view key, long long value) {
    AppendKey(key);
    body_ += std::to_string(value);
    return *this;
  }

  std::optional<std::string> Finish() const {
    if (refused_ || body_.size() >= kMaxBodySize) return std::nullopt;
    return body_;
  }

private:
  void AppendKey(std::string_view key) {
    body_ += '&';
    body_ += key;
    body_ += '=';
  }
  void AppendEscaped(std::string_view value) {
    for (const char c : value) {
      switch (c) {
        case '&': body_ += "%26"; break;
        case '=': body_ += "%3D"; break;
        case '%': body_ += "%25"; break;
        case '+': body_ += "%2B"; break;
        default: body_ += c; break;
      }
    }
  }

  std::string body_;
  bool refused_ = false;
};

std::optional<std::string_view> NewPasswordText(std::string_view password) {
  if (password.size() > kMaxNewPasswordSize) return std::nullopt;
  return password;
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

std::optional<std::string> ChangePasswordBody(const LoginCredentialsRecord& login,
                                              std::string_view newPassword) {
  return FormBody("cgi_chg_user_pw")
      .Field("uname", login.userName)
      .Field("opw", login.password)
      .Text("pw", NewPasswordText(newPassword))
      .Finish();
}

std::string GetWizardInfoBody() { return "cmd=cgi_get_wizard"; }

std::optional<std::string> SetDeviceInfoBody(const DeviceIdentity& identity) {
  return FormBody("cgi_device")
      .Field("description", identity.description)
      .Field("hostname", identity.hostName)
      .Field("workgroup", identity.workgroup)
      .Finish();
}

std::string SetTimeZoneBody(int timeZoneIndex) {
  return "cmd=cgi_timezone&f_timezone=" + std::to_string(timeZoneIndex);
}

std::optional<std::string> SetNetworkBody(const NetworkSettings& settings) {
  return FormBody("cgi_ip")
      .Number("f_dhcp_enable", settings.dhcpFlag)
      .Field("f_ip", settings.address)
      .Field("f_gateway", settings.gateway)
      .Field("f_netmask", settings.mask)
      .Field("f_dns1", settings.dns1)
      .Field("f_dns2", settings.dns2)
      .Number("vlan_enable", 0)
      .Number("vlan_id", 0)
      .Number("lan", 0)
      .Finish();
}

std::string GetLanInfoBody() { return "cmd=cgi_get_lan_xml2&lan=0"; }
std::string LockSetIpBody() { return "cmd=cgi_setip_lock&lan=0"; }

std::optional<std::string> GetShareInfoBody(const LoginCredentialsRecord& login, int usbFlag) {
  return FormBody("cgi_get_share_info2")
      .Field("name", login.userName)
      .Number("usb", usbFlag)
      .Finish();
}

std::string GetDiskInfoBody() { return {}; }
std::string StopWebFileManagerBody() { return "cmd=cgi_AJAXPlorer_Stop"; }

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

std::string ReadFormatStateBody() { return {}; }
std::string RemountDiskBody() { return "cmd=cgi_Disk_Remount"; }
std::string CheckRemountStateBody() { return "cmd=cgi_Check_Disk_Remount_State"; }
std::string FinishFormatBody() { return "cmd=cgi_FMT_Disk_Finish"; }
std::string GetVolumeStatusBody() { return "cmd=cgi_Status_Volume_Info"; }

std::optional<std::string> GetUserAccessBody(const LoginCredentialsRecord& login) {
  return FormBody("cgi_get_user_access").Field("name", login.userName).Finish();
}
