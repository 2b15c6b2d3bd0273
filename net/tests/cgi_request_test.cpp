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

namespace {

using State = AnswerReader::State;

// Feeds an answer in pieces of `pieceSize` bytes; the state after the last one.
State Read(AnswerReader& reader, std::string_view answer, std::size_t pieceSize) {
  State state = reader.Current();
  for (std::size_t at = 0; at < answer.size(); at += pieceSize)
    state = reader.Take(answer.substr(at, pieceSize));
  return state;
}

const std::string kHead = "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: 10\r\n\r\n";

}  // namespace

TEST(CgiRequest, StatusCodeOfAFailedRead) {
  EXPECT_EQ(AnswerStatusCode("HTTP/1.1 401 Unauthorized\r\n"), 401);
  EXPECT_EQ(AnswerStatusCode("HTTP/1.0 302 Found\r\nLocation: x"), 302);
  EXPECT_EQ(AnswerStatusCode("HTTP/1.1 500\r\n"), 500);
  EXPECT_EQ(AnswerStatusCode(""), std::nullopt);
  EXPECT_EQ(AnswerStatusCode("HTTP/1.1 5x0 Odd"), std::nullopt);
  EXPECT_EQ(AnswerStatusCode("<xml>HTTP/1.1 200</xml>"), std::nullopt);
  EXPECT_EQ(AnswerStatusCode("HTTP/1.1 20"), std::nullopt);
}

TEST(AnswerReader, WholeWhenTheCountedBodyArrivedInAnyPieces) {
  for (const std::size_t pieceSize : {1u, 2u, 3u, 7u, 4096u}) {
    AnswerReader reader;
    EXPECT_EQ(Read(reader, kHead + "01234", pieceSize), State::kReading) << pieceSize;
    EXPECT_EQ(reader.Take("56789 and what follows"), State::kWhole) << pieceSize;
    EXPECT_EQ(reader.Answer(), kHead + "0123456789") << pieceSize;
    EXPECT_EQ(reader.TakeEnd(), State::kWhole) << pieceSize;
  }
  AnswerReader lowerCase;
  EXPECT_EQ(lowerCase.Take("HTTP/1.1 200 OK\r\ncontent-length:3\r\n\r\nabc"), State::kWhole);
  AnswerReader blanks;
  EXPECT_EQ(blanks.Take("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: \t0 \r\n\r\n"), State::kWhole);
  AnswerReader repeated;
  EXPECT_EQ(repeated.Take("HTTP/1.1 200 OK\r\nContent-Length: 1\r\nContent-Length: 1\r\n\r\nx"),
            State::kWhole);
}

TEST(AnswerReader, ShortAnswersFail) {
  AnswerReader closedEarly;
  Read(closedEarly, kHead + "01234", 4);
  EXPECT_EQ(closedEarly.TakeEnd(), State::kFailed);
  EXPECT_EQ(closedEarly.Take("56789"), State::kFailed);  // failed for good


  AnswerReader headCut;
  headCut.Take("HTTP/1.1 200 OK\r\nContent-Le");
  EXPECT_EQ(headCut.TakeEnd(), State::kFailed);
}

TEST(AnswerReader, ContentLengthMustBeAPlainNonNegativeDecimal) {
  for (const char* value : {"-1", "+5", "5abc", "0x10", "", " ", "1 2", "5,5", "1e3", "\xd9\xa3"}) {
    AnswerReader reader;
    EXPECT_EQ(reader.Take(std::string("HTTP/1.1 200 OK\r\nContent-Length:") + value +
                          "\r\n\r\n0123456789"),
              State::kFailed)
        << '"' << value << '"';
  }
  AnswerReader contradicting;
  EXPECT_EQ(contradicting.Take("HTTP/1.1 200 OK\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nxy"),
            State::kFailed);
  // A header that only ends in the name is another header.
  AnswerReader other;
  EXPECT_EQ(other.Take("HTTP/1.1 200 OK\r\nX-Content-Length: abc\r\n\r\nxy"), State::kReading);
}

TEST(AnswerReader, WithoutContentLengthTheEndEndsTheAnswer) {
  AnswerReader ended;
  EXPECT_EQ(ended.Take("HTTP/1.1 200 OK\r\n\r\nabc"), State::kReading);
  EXPECT_EQ(ended.TakeEnd(), State::kWhole);
  EXPECT_EQ(ended.Answer(), "HTTP/1.1 200 OK\r\n\r\nabc");
}

TEST(AnswerReader, PromisingOrSendingMoreThanTheBoundFails) {
  AnswerReader huge;
  EXPECT_EQ(huge.Take("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999\r\n\r\n"),
            State::kFailed);
  AnswerReader justOver;
  EXPECT_EQ(justOver.Take("HTTP/1.1 200 OK\r\nContent-Length: 1048576\r\n\r\n"), State::kFailed);
  AnswerReader endless;
  EXPECT_EQ(Read(endless, std::string(kMaxAnswerSize + 1, 'x'), 4096), State::kFailed);
}
