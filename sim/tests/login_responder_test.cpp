#include "sim/login_responder.h"

#include <gtest/gtest.h>

#include "sim/tests/sim_test_devices.h"

namespace {

struct LoginRun {
  std::vector<DeviceState> devices;
  EventLoop loop;
  std::vector<std::vector<std::uint8_t>> sent;
  LoginResponder responder{devices, loop, [this](const auto& d) { sent.push_back(d); }};

  explicit LoginRun(std::vector<DeviceState> d) : devices(std::move(d)) {}

  // Sends a login to `target` and collects every answer.
  void Login(const DeviceState& target, const std::string& user, const std::string& password,
             int runMs = 20) {
    const auto id = DeviceIdOf(target);
    responder.OnLogin(EncodeLoginRequest(TestSearchId(), id.data(), user, password));
    RunFor(loop, runMs);
  }
};

std::optional<std::int8_t> AnswerFrom(const std::vector<std::uint8_t>& reply, const char* address) {
  return ReadLoginReply(reply.data(), reply.size(), TestSearchId(), address);
}

}  // namespace

TEST(LoginResponder, TheAddressedDeviceChecksNameAndPassword) {
  const DeviceState one = TestDevice("192.0.2.21", 1);
  const DeviceState two = TestDevice("192.0.2.22", 2);
  for (const auto& [user, password, accepted] :
       std::vector<std::tuple<std::string, std::string, std::int8_t>>{
           {"admin", "secret", 1}, {"bob", "pw", 1}, {"bob", "secret", 0}, {"Admin", "secret", 0},
           {"admin", "", 0}}) {
    LoginRun run({one, two});
    run.Login(two, user, password);
    ASSERT_EQ(run.sent.size(), 1u) << user;  // only the device the request names answers
    EXPECT_EQ(AnswerFrom(run.sent[0], "192.0.2.22"), accepted) << user << ":" << password;
  }
}

TEST(LoginResponder, FaultsSilenceDelayOrImpersonate) {
  DeviceState target = TestDevice("192.0.2.21", 1);
  DeviceState impostor = TestDevice("192.0.2.22", 2);
  impostor.login.answerAny = true;
  LoginRun run({target, impostor});
  run.devices[0].login.delayMs = 150;
  run.Login(target, "admin", "wrong", 200);
  ASSERT_EQ(run.sent.size(), 2u);
  // The impostor answers first, accepting, with its own address: the program must not take it.
  EXPECT_EQ(AnswerFrom(run.sent[0], "192.0.2.21"), std::nullopt);
  EXPECT_EQ(AnswerFrom(run.sent[0], "192.0.2.22"), 1);
  EXPECT_EQ(AnswerFrom(run.sent[1], "192.0.2.21"), 0);

  LoginRun quiet({target});
  quiet.devices[0].login.silent = true;
  quiet.Login(target, "admin", "secret");
  EXPECT_TRUE(quiet.sent.empty());
}

TEST(LoginResponder, IgnoresWhatIsNotALoginRequest) {
  const DeviceState target = TestDevice("192.0.2.21", 1);
  LoginRun run({target});
  auto request = EncodeLoginRequest(TestSearchId(), DeviceIdOf(target).data(), "admin", "secret");
  request.resize(request.size() - 1);  // the counted payload no longer fits
  run.responder.OnLogin(request);
  run.responder.OnLogin({3, 1, 2});
  RunFor(run.loop, 20);
  EXPECT_TRUE(run.sent.empty());
}
