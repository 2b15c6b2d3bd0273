#include "sim/login_responder.h"

#include <algorithm>

#include "sim/exchange_log.h"

std::optional<bool> LoginResponder::Verdict(const DeviceState& device,
                                            const LoginRequestContent& login) {
  const auto id = DeviceIdOf(device);
  if (!std::equal(id.begin(), id.end(), login.deviceId)) {
    if (device.login.answerAny) return true;
    return std::nullopt;
  }
  return std::any_of(device.users.begin(), device.users.end(), [&login](const DeviceUser& u) {
    return u.name == login.user && u.password == login.password;
  });
}

void LoginResponder::OnLogin(const std::vector<std::uint8_t>& request) {
  const auto login = DecodeLoginRequest(request.data(), request.size());
  if (!login) return;
  for (const DeviceState& device : devices_) {
    if (device.login.silent) continue;
    const auto accepted = Verdict(device, *login);
    if (!accepted) continue;
    LogExchange(device, "login user=" + Printable(login->user) +
                            (*accepted ? " accepted" : " rejected"));
    const auto ipv4 = Ipv4Bytes(device.address).value_or(std::array<std::uint8_t, 4>{});
    const std::vector<std::uint8_t> reply = EncodeLoginReply(login->requestId, ipv4.data(), *accepted);
    loop_.After(device.login.delayMs, [this, reply] { send_(reply); });
  }
}
