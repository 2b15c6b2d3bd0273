// The simulator's side of an exchange: a request read in the pieces it arrived in, and its form
// body decoded. The pieces carry their lengths (see FuzzInput).
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "sim/form_data.h"
#include "sim/http_request.h"

namespace {

void CheckForm(std::string_view body) {
  const FormData form = FormData::Parse(body);
  for (const auto& [name, value] : form.Fields())
    FuzzRequire(name.size() + value.size() <= body.size(), "a field longer than the body");
  if (!form.Fields().empty())
    FuzzRequire(form.Value(form.Fields().front().first) == form.Fields().front().second,
                "the first field of a name is not the one found");
  FuzzRequire(DecodeFormText(body).size() <= body.size(), "decoding made the text longer");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  HttpRequestReader reader;
  std::size_t fed = 0;
  while (!input.Empty()) {
    const std::string_view piece = input.Piece();
    const HttpRequestReader::Status before = reader.State();
    const HttpRequestReader::Status after = reader.Feed(piece);
    fed += piece.size();
    FuzzRequire(before == HttpRequestReader::Status::kIncomplete || after == before,
                "a final status changed");
    FuzzRequire(after == reader.State(), "Feed and State disagree");
  }
  if (reader.State() == HttpRequestReader::Status::kComplete) {
    const HttpRequest& request = reader.Request();
    FuzzRequire(request.body.size() <= HttpRequestReader::kMaxBodyBytes, "body beyond its limit");
    FuzzRequire(request.body.size() <= fed, "a body longer than what arrived");
    FuzzRequire(request.version.rfind("HTTP/1.", 0) == 0, "a version that is not HTTP/1.x");
    CheckForm(request.body);
  }
  return 0;
}
