// The reading of an HTTP answer as the exchange does it: pieces as the receive calls return them
// (at most 4096 bytes each), then the end (the device's close or the end of the waiting time),
// then the status line check of what was read.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "net/cgi_request.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  AnswerReader reader;
  std::size_t received = 0;
  while (!input.Empty()) {
    const std::string_view piece = input.Piece().substr(0, 4096);
    const AnswerReader::State before = reader.Current();
    const AnswerReader::State after = reader.Take(piece);
    received += piece.size();
    FuzzRequire(before == AnswerReader::State::kReading || after == before,
                "a final state changed");
  }
  const AnswerReader::State end = reader.TakeEnd();
  FuzzRequire(end != AnswerReader::State::kReading, "still reading after the end");
  const std::string_view answer = reader.Answer();
  FuzzRequire(answer.size() <= received && answer.size() <= kMaxAnswerSize,
              "an answer longer than what arrived");
  if (end == AnswerReader::State::kWhole)
    FuzzRequire(answer.find("\r\n\r\n") != std::string_view::npos, "a whole answer without a head");
  StatusLineAccepted(reinterpret_cast<const std::uint8_t*>(answer.data()), answer.size());
  return 0;
}
