#include "net/cgi_request.h"

#include <gtest/gtest.h>

#include <string>

namespace {
bool Accepted(const std::string& answer) {
  return StatusLineAccepted(reinterpret_cast<const std::uint8_t*>(answer.data()), answer.size());
}
}  // namespace

TEST(CgiRequest, PathsByCommandIndex) {
  EXPECT_STREQ(CgiPath(0), " ");
  EXPECT_STREQ(CgiPath(1), "/cgi-bin/account_mgr.cgi");
  EXPECT_STREQ(CgiPath(4), "/cgi-bin/system_mgr.cgi");
  EXPECT_STREQ(CgiPath(7), "/cgi-bin/network_mgr.cgi");
  EXPECT_STREQ(CgiPath(9), "/xml/current_hd_info.xml");
  EXPECT_STREQ(CgiPath(12), "/xml/dm_read_state.xml");
  EXPECT_STREQ(CgiPath(16), "/cgi-bin/hd_config.cgi");
  EXPECT_STREQ(CgiPath(18), "/cgi-bin/account_mgr.cgi");
  EXPECT_EQ(CgiPath(19), nullptr);
  EXPECT_EQ(CgiPath(-1), nullptr);
}

TEST(CgiRequest, TokenOfAdminAndThePassword) {
  // "admin:" and 5 bytes make 11 bytes: one "=" fills the last group.
  EXPECT_EQ(BasicToken("abcde"), "YWRtaW46YWJjZGU=");
  // 4 bytes make 10: two "=", the last byte alone in its group with zero bits after it.
  EXPECT_EQ(BasicToken("abcd"), "YWRtaW46YWJjZA==");
  EXPECT_EQ(BasicToken(""), "YWRtaW46");
}

TEST(CgiRequest, RequestTextAndItsSizeLimit) {
  const auto request = FormatCgiRequest("/cgi-bin/system_mgr.cgi", "192.0.2.21",
                                        "cmd=cgi_timezone&f_timezone=5", "TOKEN");
  ASSERT_TRUE(request);
  EXPECT_EQ(*request,
            "POST /cgi-bin/system_mgr.cgi HTTP/1.1\r\nHost: 192.0.2.21\r\nContent-Length: 29\r\n"
            "Authorization: Basic TOKEN\r\nContent-Type: application/x-www-form-urlencoded\r\n\r\n"
            "cmd=cgi_timezone&f_timezone=5");

  const auto empty = FormatCgiRequest("/xml/dm_read_state.xml", "192.0.2.21", "", "T");
  ASSERT_TRUE(empty);
  EXPECT_NE(empty->find("Content-Length: 0\r\n"), std::string::npos);
  EXPECT_EQ(empty->substr(empty->size() - 4), "\r\n\r\n");

  // The request must stay below 1024 bytes: find the largest body that fits, then one more.
  std::string body;
  while (FormatCgiRequest("/p", "192.0.2.21", body + "x", "T")) body += 'x';
  EXPECT_EQ(FormatCgiRequest("/p", "192.0.2.21", body, "T")->size(), kMaxRequestSize - 1);
  EXPECT_FALSE(FormatCgiRequest("/p", "192.0.2.21", body + "x", "T"));
}

TEST(CgiRequest, StatusLine) {
  EXPECT_TRUE(Accepted("HTTP/1.1 200 OK\r\n\r\n<xml/>"));
  EXPECT_TRUE(Accepted("HTTP/1.1 200 "));
  EXPECT_FALSE(Accepted("HTTP/1.0 200 OK\r\n"));
  EXPECT_FALSE(Accepted("HTTP/1.1 401 Unauthorized\r\n"));
  // A status code followed by the line end runs into the next line and fails.
  EXPECT_FALSE(Accepted("HTTP/1.1 200\r\nContent-Length: 0\r\n\r\n"));
  EXPECT_FALSE(Accepted(""));
  EXPECT_FALSE(Accepted("HTTP/"));
  EXPECT_FALSE(Accepted("HTTP/1.1"));
  EXPECT_FALSE(Accepted("http/1.1 200 OK"));
  EXPECT_FALSE(Accepted(" HTTP/1.1 200 OK"));
  // A very long version or status run is not read into any fixed buffer; it just fails.
  EXPECT_FALSE(Accepted("HTTP/" + std::string(5000, '1') + " 200 OK"));
  EXPECT_FALSE(Accepted("HTTP/1.1 " + std::string(5000, '2')));
  EXPECT_FALSE(Accepted(std::string("HTTP/1.1\0 200 OK", 16)));
}

TEST(CgiRequest, AnswerIsWholeWhenItsContentLengthArrived) {
  const std::string head = "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: 10\r\n\r\n";
  EXPECT_EQ(ExamineAnswer("HTTP/1.1 200 OK\r\nContent-Le"), AnswerProgress::kPartial);
  EXPECT_EQ(ExamineAnswer(head + "01234"), AnswerProgress::kPartial);
  EXPECT_EQ(ExamineAnswer(head + "0123456789"), AnswerProgress::kWhole);
  EXPECT_EQ(ExamineAnswer("HTTP/1.1 200 OK\r\ncontent-length:3\r\n\r\nabc"), AnswerProgress::kWhole);
  EXPECT_TRUE(DeclaresContentLength(head));
  // Without a Content-Length only the device's close ends the answer.
  EXPECT_EQ(ExamineAnswer("HTTP/1.1 200 OK\r\n\r\nabc"), AnswerProgress::kPartial);
  EXPECT_FALSE(DeclaresContentLength("HTTP/1.1 200 OK\r\n\r\nabc"));
  // Promising or sending more than the bound is refused.
  EXPECT_EQ(ExamineAnswer("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n"),
            AnswerProgress::kTooLarge);
  EXPECT_EQ(ExamineAnswer("HTTP/1.1 200 OK\r\nContent-Length: 1048576\r\n\r\n"), AnswerProgress::kTooLarge);
  EXPECT_EQ(ExamineAnswer(std::string(kMaxAnswerSize + 1, 'x')), AnswerProgress::kTooLarge);
}
