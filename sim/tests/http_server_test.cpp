// The web server over loopback TCP (127.0.0.1, a port the system picks).
#include "sim/http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "net/cgi_request.h"
#include "net/device_commands.h"
#include "settings/base64.h"
#include "sim/commands_system.h"
#include "sim/tests/sim_test_devices.h"

namespace {

const std::string kPlainSuccess = RenderAnswer(ResultAnswer(1));

// A blocking client socket whose reads give up after a while.
class Client {
public:
  explicit Client(std::uint16_t port, int timeoutMs = 2000) : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
    timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = connect(fd_, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0;
  }
  ~Client() { close(fd_); }

  bool Connected() const { return connected_; }
  void Send(const std::string& text) { send(fd_, text.data(), text.size(), MSG_NOSIGNAL); }
  // One receive call, as the program makes it; empty on end of stream or time-out.
  std::string ReceiveOnce() {
    char buffer[4096];
    const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
  }
  // Everything up to the server's end of the stream.
  std::string ReceiveAll() {
    std::string all;
    for (std::string piece = ReceiveOnce(); !piece.empty(); piece = ReceiveOnce()) all += piece;
    return all;
  }
  // Whether the connection is still open with nothing to read after the read time-out.
  bool StillOpenAndQuiet() {
    char c;
    return recv(fd_, &c, 1, 0) < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
  }

private:
  int fd_;
  bool connected_ = false;
};

std::string Request(const std::string& body, const std::string& password = "secret") {
  return "POST /cgi-bin/system_mgr.cgi HTTP/1.1\r\nHost: 192.0.2.21\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\nAuthorization: Basic " +
         EncodeBase64("admin:" + password) +
         "\r\nContent-Type: application/x-www-form-urlencoded\r\n\r\n" + body;
}

class HttpServerTest : public ::testing::Test {
protected:
  std::vector<DeviceState> devices{TestDevice("192.0.2.21", 1)};
  WebSite site;
  EventLoop loop;

  // Serves on loopback while `client` runs on a thread of its own.
  void Serve(const std::function<void(std::uint16_t port)>& client) {
    HttpServer server(loop, devices, site, "127.0.0.1", 0);
    ASSERT_TRUE(server.Ok()) << server.Error();
    std::atomic<bool> done{false};
    std::thread thread([&] {
      client(server.Port());
      done = true;
    });
    std::function<void()> check = [&] { done ? loop.Stop() : loop.After(10, check); };
    loop.After(10, check);
    loop.Run();
    thread.join();
  }
};

}  // namespace

TEST_F(HttpServerTest, AnswersInterleavedConnectionsEachInFull) {
  Serve([](std::uint16_t port) {
    Client first(port), second(port);
    ASSERT_TRUE(first.Connected() && second.Connected());
    const std::string request = Request("cmd=cgi_timezone&f_timezone=3");
    first.Send(request.substr(0, 40));
    second.Send(Request("cmd=x", "wrong"));
    EXPECT_EQ(second.ReceiveAll().rfind("HTTP/1.1 401 Unauthorized\r\n", 0), 0u);
    first.Send(request.substr(40));
    const std::string answer = first.ReceiveAll();
    EXPECT_EQ(answer.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << answer;
    EXPECT_EQ(answer.substr(answer.size() - std::string(kPlainSuccess).size()), kPlainSuccess);

    Client garbage(port);
    garbage.Send("HELLO\r\n\r\n");
    EXPECT_EQ(garbage.ReceiveAll().rfind("HTTP/1.1 400 Bad Request\r\n", 0), 0u);
  });
}

TEST_F(HttpServerTest, ASplitAnswerComesInPiecesThatAddUp) {
  devices[0].http.splitMs = 300;
  Serve([](std::uint16_t port) {
    Client client(port);
    client.Send(Request("cmd=cgi_timezone"));
    const std::string first = client.ReceiveOnce();
    const std::string rest = client.ReceiveAll();
    EXPECT_FALSE(first.empty());
    EXPECT_FALSE(rest.empty());  // one receive call does not get it all
    EXPECT_EQ((first + rest).rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
    EXPECT_EQ((first + rest).find(kPlainSuccess), first.size() + rest.size() -
                                                       std::string(kPlainSuccess).size());
  });
}

TEST_F(HttpServerTest, ASilentDeviceReadsAndKeepsTheConnectionOpen) {
  devices[0].http.fault = HttpFault::kSilent;
  Serve([](std::uint16_t port) {
    Client client(port, 300);
    client.Send(Request("cmd=cgi_timezone"));
    EXPECT_TRUE(client.StillOpenAndQuiet());
  });
}

TEST_F(HttpServerTest, ASlowAnswerComesLateButWhole) {
  devices[0].answerFaults["cgi_timezone"] = {*ParseAnswerFault("slow:400")};
  Serve([](std::uint16_t port) {
    Client client(port, 150);
    client.Send(Request("cmd=cgi_timezone"));
    EXPECT_TRUE(client.StillOpenAndQuiet());  // nothing yet after 150 ms
    std::string answer;
    for (int tries = 0; tries < 10 && answer.empty(); ++tries) answer = client.ReceiveAll();
    EXPECT_EQ(answer.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << answer;
    EXPECT_EQ(answer.substr(answer.size() - kPlainSuccess.size()), kPlainSuccess);
  });
}

// The program's own request over the wire: its escaped description arrives whole, and the whole
// answer comes in the one receive call the program makes.
TEST_F(HttpServerTest, TheProgramsRequestIsDecodedAndAnsweredInOneRead) {
  AddSystemCommands(site);
  Serve([](std::uint16_t port) {
    DeviceIdentity identity{"NAS-TWO", "OFFICE", "Tom & Jerry = 100% +1"};
    const std::string body = SetDeviceInfoBody(identity).value();
    const auto request = FormatCgiRequest(CgiPath(3), "192.0.2.21", body, BasicToken("secret"));
    Client client(port);
    client.Send(request.value());
    const std::string answer = client.ReceiveOnce();
    EXPECT_TRUE(StatusLineAccepted(reinterpret_cast<const std::uint8_t*>(answer.data()),
                                   answer.size()));
    AnswerReader reader;
    EXPECT_EQ(reader.Take(answer), AnswerReader::State::kWhole);
  });
  EXPECT_EQ(devices[0].name, "NAS-TWO");
  EXPECT_EQ(devices[0].description, "Tom & Jerry = 100% +1");
}
