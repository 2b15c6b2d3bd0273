#include "sim/web_site.h"

#include <gtest/gtest.h>

#include "settings/base64.h"
#include "sim/http_server.h"
#include "sim/redirect_page.h"
#include "sim/tests/sim_test_devices.h"

namespace {

const std::string kPlainSuccess = RenderAnswer(ResultAnswer(1));

HttpRequest Post(const std::string& path, const std::string& body,
                 const std::string& password = "secret") {
  HttpRequest r;
  r.method = "POST";
  r.path = path;
  r.version = "HTTP/1.1";
  r.headers = {{"host", "192.0.2.21"},
               {"authorization", "Basic " + EncodeBase64("admin:" + password)},
               {"content-type", "application/x-www-form-urlencoded"}};
  r.body = body;
  return r;
}

}  // namespace

TEST(WebSite, StatusByPathMethodAndAuthorisation) {
  const WebSite site;
  DeviceState device = TestDevice("192.0.2.21", 1);
  EXPECT_EQ(site.Answer(Post("/cgi-bin/nope.cgi", ""), device).status, 404);
  EXPECT_EQ(site.Answer(Post("/cgi-bin/SYSTEM_mgr.cgi", ""), device).status, 404);
  HttpRequest get = Post("/cgi-bin/system_mgr.cgi", "");
  get.method = "GET";
  EXPECT_EQ(site.Answer(get, device).status, 405);
  EXPECT_EQ(site.Answer(Post("/cgi-bin/system_mgr.cgi", "cmd=x", "wrong"), device).status, 401);
  for (const char* path :
       {"/cgi-bin/account_mgr.cgi", "/cgi-bin/wizard_mgr.cgi", "/cgi-bin/system_mgr.cgi",
        "/cgi-bin/network_mgr.cgi", "/xml/current_hd_info.xml", "/cgi-bin/hd_config.cgi",
        "/xml/dm_read_state.xml", "/cgi-bin/usb_device.cgi"}) {
    const WebAnswer answer = site.Answer(Post(path, "cmd=anything", "pw"), device);
    EXPECT_EQ(answer.status, 200) << path;
    EXPECT_EQ(answer.body, kPlainSuccess) << path;
  }
  device.http.fault = HttpFault::kUnauthorized;
  EXPECT_EQ(site.Answer(Post("/cgi-bin/system_mgr.cgi", ""), device).status, 401);
}

TEST(WebSite, RoutesByPathAndCommandWithTheDecodedForm) {
  WebSite site;
  std::string seen;
  site.AddCommand("/cgi-bin/system_mgr.cgi", "cgi_device",
                  [&seen](DeviceState& device, const FormData& form) {
                    device.name = form.Value("hostname");
                    seen = form.Value("description");
                    return AnswerElement{"r", "device", {}};
                  });
  site.AddCommand("/xml/dm_read_state.xml", "",
                  [](DeviceState&, const FormData&) { return AnswerElement{"r", "state", {}}; });
  DeviceState device = TestDevice("192.0.2.21", 1);
  const auto answer =
      site.Answer(Post("/cgi-bin/system_mgr.cgi", "cmd=cgi_device&description=a+b%21&hostname=N2"),
                  device);
  EXPECT_EQ(answer.body, RenderAnswer(AnswerElement{"r", "device", {}}));
  EXPECT_EQ(seen, "a b!");
  EXPECT_EQ(device.name, "N2");
  EXPECT_EQ(site.Answer(Post("/xml/dm_read_state.xml", ""), device).body,
            RenderAnswer(AnswerElement{"r", "state", {}}));
  // The same command on another path, and an unknown command, get the default answer.
  EXPECT_EQ(site.Answer(Post("/cgi-bin/wizard_mgr.cgi", "cmd=cgi_device"), device).body,
            kPlainSuccess);
  EXPECT_EQ(site.Answer(Post("/cgi-bin/system_mgr.cgi", "cmd=cgi_other"), device).body,
            kPlainSuccess);
  // A body that is declared as something else is no form.
  HttpRequest json = Post("/cgi-bin/system_mgr.cgi", "cmd=cgi_device");
  json.headers[2].second = "application/json";
  EXPECT_EQ(site.Answer(json, device).body, kPlainSuccess);
}

TEST(HttpResponse, StatusLineHeadersAndFaults) {
  const WebAnswer ok{200, kPlainSuccess};
  const std::string body = kPlainSuccess;
  EXPECT_EQ(RenderResponse(ok, {}),
            "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " +
                std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
  EXPECT_EQ(RenderResponse({401, {}}, {}).rfind("HTTP/1.1 401 Unauthorized\r\n", 0), 0u);
  EXPECT_NE(RenderResponse({404, {}}, {}).find("Content-Length: 0\r\n"), std::string::npos);

  HttpFaults old;
  old.fault = HttpFault::kHttp10;
  EXPECT_EQ(RenderResponse(ok, old).rfind("HTTP/1.0 200 OK\r\n", 0), 0u);

  HttpFaults big;
  big.oversize = true;
  const std::string padded = RenderResponse(ok, big);
  const std::string paddedBody = padded.substr(padded.find("\r\n\r\n") + 4);
  EXPECT_EQ(paddedBody.size(), kOversizeBodyBytes);
  EXPECT_NE(padded.find("Content-Length: 10000\r\n"), std::string::npos);
  // What one 4096-byte read gets is the start of an unfinished document.
  EXPECT_EQ(padded.substr(0, 4096).find("</config>"), std::string::npos);
  const std::size_t rootEnd = body.find("<config>") + 8;
  EXPECT_EQ(paddedBody.substr(0, rootEnd), body.substr(0, rootEnd));
  EXPECT_EQ(paddedBody.substr(paddedBody.size() - (body.size() - rootEnd)), body.substr(rootEnd));
  EXPECT_NE(RenderResponse({401, {}}, big).find("Content-Length: 0\r\n"), std::string::npos);
  HttpFaults large;
  large.padBytes = 497664;
  EXPECT_NE(RenderResponse(ok, large).find("Content-Length: 497664\r\n"), std::string::npos);

  const auto pieces = SplitIntoPieces(padded, 3);
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0] + pieces[1] + pieces[2], padded);
  EXPECT_EQ(SplitIntoPieces("ab", 3), (std::vector<std::string>{"a", "b"}));
}

TEST(HttpServer, PicksTheDeviceByHostThenLocalAddress) {
  std::vector<DeviceState> devices{TestDevice("192.0.2.21", 1), TestDevice("192.0.2.22", 2)};
  const std::string second = "192.0.2.22:80", unknown = "example";
  EXPECT_EQ(&HttpServer::DeviceFor(devices, &second, "192.0.2.21"), &devices[1]);
  EXPECT_EQ(&HttpServer::DeviceFor(devices, &unknown, "192.0.2.22"), &devices[1]);
  EXPECT_EQ(&HttpServer::DeviceFor(devices, nullptr, "127.0.0.1"), &devices[0]);
}

TEST(RedirectPage, ServedToAnyoneByGetAsHtml) {
  const WebSite site;
  DeviceState device = TestDevice("192.0.2.21", 1);
  HttpRequest visit = Post(kRedirectPagePath, "", "not a user's");
  visit.method = "GET";
  visit.headers.clear();
  visit.query = "m=1&u=admin&p=x";
  const WebAnswer page = site.Answer(visit, device);
  EXPECT_EQ(page.status, 200);
  EXPECT_EQ(page.contentType, "text/html");
  EXPECT_NE(RenderResponse(page, {}).find("Content-Type: text/html\r\n"), std::string::npos);
  EXPECT_EQ(site.Answer(Post(kRedirectPagePath, ""), device).status, 405);
}

TEST(RedirectPage, VisitLogShowsTheDecodedFieldsAndEscapesWhatIsNotPrintable) {
  EXPECT_EQ(DescribeRedirectVisit("m=1&u=admin&p=a%26b%20%231"), "redirect m=1 u=admin p=a&b #1");
  EXPECT_EQ(DescribeRedirectVisit("m=4&u=alice&p=x%3Dy%2Bz%25"), "redirect m=4 u=alice p=x=y+z%25");
  // A raw "&" or "#" cuts the password short; a browser never sends a "#" at all.
  EXPECT_EQ(DescribeRedirectVisit("m=1&u=admin&p=a&b"), "redirect m=1 u=admin p=a");
  EXPECT_EQ(DescribeRedirectVisit("u=%E5%BC%B5&p=%0A"), "redirect m= u=%E5%BC%B5 p=%0A");
  EXPECT_EQ(DescribeRedirectVisit(""), "redirect m= u= p=");
}
