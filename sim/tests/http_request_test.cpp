#include "sim/http_request.h"

#include <gtest/gtest.h>

#include "settings/base64.h"
#include "sim/basic_auth.h"
#include "sim/form_data.h"

namespace {

using Status = HttpRequestReader::Status;

const std::string kRequest =
    "POST /cgi-bin/system_mgr.cgi?x=1 HTTP/1.1\r\nHost: 192.0.2.21\r\nContent-Length: 16\r\n"
    "Authorization: Basic YWRtaW46c2VjcmV0\r\nContent-Type: application/x-www-form-urlencoded\r\n"
    "\r\ncmd=cgi_timezone";

Status Read(const std::string& text) {
  HttpRequestReader reader;
  return reader.Feed(text);
}

}  // namespace

TEST(HttpRequestReader, TakesARequestInPiecesOfAnySize) {
  for (const std::size_t step : {std::size_t{1}, std::size_t{7}, kRequest.size()}) {
    HttpRequestReader reader;
    Status status = Status::kIncomplete;
    for (std::size_t at = 0; at < kRequest.size(); at += step) {
      ASSERT_EQ(status, Status::kIncomplete) << "finished early, step " << step;
      status = reader.Feed(std::string_view(kRequest).substr(at, step));
    }
    ASSERT_EQ(status, Status::kComplete) << "step " << step;
    const HttpRequest& r = reader.Request();
    EXPECT_EQ(r.method, "POST");
    EXPECT_EQ(r.path, "/cgi-bin/system_mgr.cgi");
    EXPECT_EQ(r.version, "HTTP/1.1");
    ASSERT_NE(r.Header("authorization"), nullptr);
    EXPECT_EQ(*r.Header("authorization"), "Basic YWRtaW46c2VjcmV0");
    EXPECT_EQ(r.body, "cmd=cgi_timezone");
  }
}

TEST(HttpRequestReader, BodyIsCountedAndWhatFollowsIsIgnored) {
  HttpRequestReader reader;
  EXPECT_EQ(reader.Feed("POST /a HTTP/1.1\nContent-Length: 3\n\nabcdef"), Status::kComplete);
  EXPECT_EQ(reader.Request().body, "abc");
  EXPECT_EQ(reader.Feed("more"), Status::kComplete);

  HttpRequestReader empty;  // no Content-Length: no body
  EXPECT_EQ(empty.Feed("POST /xml/dm_read_state.xml HTTP/1.1\r\nHost: h\r\n\r\n"), Status::kComplete);
  EXPECT_EQ(empty.Request().body, "");
  HttpRequestReader waiting;
  EXPECT_EQ(waiting.Feed("POST /a HTTP/1.1\r\nContent-Length: 4\r\n\r\nab"), Status::kIncomplete);
}

TEST(HttpRequestReader, RejectsMalformedAndOversizedRequests) {
  for (const std::string bad : {
           "POST /a\r\n\r\n", "POST  /a HTTP/1.1\r\n\r\n", "POST /a HTTP/1.1 x\r\n\r\n",
           "POST /a FTP/1.1\r\n\r\n", "POST /a HTTP/1.1\r\nNoColon\r\n\r\n",
           "POST /a HTTP/1.1\r\nBad Name: x\r\n\r\n", "POST /a HTTP/1.1\r\n: x\r\n\r\n",
           "POST /a HTTP/1.1\r\nA: b\r\n  folded\r\n\r\n",
           "POST /a HTTP/1.1\r\nContent-Length: 12a\r\n\r\n",
           "POST /a HTTP/1.1\r\nContent-Length: -1\r\n\r\n",
           "POST /a HTTP/1.1\r\nContent-Length: \r\n\r\n",
           "POST /a HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nab",
           "POST /a HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n"})
    EXPECT_EQ(Read(bad), Status::kBad) << bad;

  EXPECT_EQ(Read("POST /a HTTP/1.1\r\nContent-Length: 65537\r\n\r\n"), Status::kTooLarge);
  EXPECT_EQ(Read("POST /a HTTP/1.1\r\nContent-Length: 99999999999999999999\r\n\r\n"),
            Status::kTooLarge);
  EXPECT_EQ(Read("POST /a HTTP/1.1\r\nX: " + std::string(9000, 'x')), Status::kTooLarge);
  EXPECT_EQ(Read("POST /a HTTP/1.1\r\nX: " + std::string(9000, 'x') + "\r\n\r\n"),
            Status::kTooLarge);
  // Agreeing copies of the length are fine.
  EXPECT_EQ(Read("POST /a HTTP/1.1\r\nContent-Length: 2\r\ncontent-length: 2\r\n\r\nab"),
            Status::kComplete);
}

TEST(FormData, DecodesAsAWebServerDoes) {
  const FormData form =
      FormData::Parse("cmd=cgi_device&description=a+b%26c%3d&&hostname=&flag&pw=100%25&pw=2"
                      "&bad=%zz%4&utf=%E4%B8%AD&%63md2=x");
  EXPECT_EQ(form.Value("cmd"), "cgi_device");
  EXPECT_EQ(form.Value("description"), "a b&c=");
  EXPECT_EQ(form.Value("hostname"), "");
  EXPECT_EQ(form.Value("pw"), "100%");  // the first of repeated names
  EXPECT_EQ(form.Value("bad"), "%zz%4");
  EXPECT_EQ(form.Value("utf"), "\xE4\xB8\xAD");
  EXPECT_EQ(form.Value("cmd2"), "x");
  EXPECT_EQ(form.Value("missing"), "");
  ASSERT_EQ(form.Fields().size(), 9u);
  EXPECT_EQ(form.Fields()[3], (std::pair<std::string, std::string>("flag", "")));
  // An unescaped '&' in a value splits it, as the program's bodies do.
  EXPECT_EQ(FormData::Parse("description=R&D&hostname=nas").Value("hostname"), "nas");
}

TEST(BasicAuth, AdminWithThePasswordOfAnyUser) {
  const std::vector<DeviceUser> users{{"admin", "secret", ""}, {"bob", "pw", ""}};
  const auto header = [](const std::string& credentials) {
    return "Basic " + EncodeBase64(credentials);
  };
  for (const std::string& good : {header("admin:secret"), header("admin:pw"),
                                  "basic " + EncodeBase64("admin:pw"),
                                  std::string("Basic   YWRtaW46cHc=")}) {
    EXPECT_TRUE(IsAuthorised(&good, users)) << good;
  }
  for (const std::string& bad :
       {header("bob:pw"), header("admin:wrong"), header("admin:"), header("admin:secret "),
        "Bearer " + EncodeBase64("admin:pw"), std::string("Basic"), std::string("Basic !!!!"),
        std::string("Basic YWRtaW46cHc"), std::string("")}) {
    EXPECT_FALSE(IsAuthorised(&bad, users)) << bad;
  }
  EXPECT_FALSE(IsAuthorised(nullptr, users));
  const std::string empty = header("admin:");
  EXPECT_TRUE(IsAuthorised(&empty, {{"guest", "", ""}}));
}

TEST(HttpRequestReader, KeepsTheQueryApartFromThePath) {
  HttpRequestReader reader;
  ASSERT_EQ(reader.Feed("GET /web/tamsel_redirect.html?m=1&u=a?b HTTP/1.1\r\nHost: x\r\n\r\n"),
            HttpRequestReader::Status::kComplete);
  EXPECT_EQ(reader.Request().path, "/web/tamsel_redirect.html");
  EXPECT_EQ(reader.Request().query, "m=1&u=a?b");
  HttpRequestReader plain;
  plain.Feed("GET /index.html HTTP/1.1\r\n\r\n");
  EXPECT_EQ(plain.Request().query, "");
}
