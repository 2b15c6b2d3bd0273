#include "sim/http_response.h"

#include <algorithm>
#include <map>

namespace {

const char* Reason(int status) {
  static const std::map<int, const char*> reasons{
      {200, "OK"},        {400, "Bad Request"},        {401, "Unauthorized"},
      {404, "Not Found"}, {405, "Method Not Allowed"}, {413, "Payload Too Large"}};
  const auto found = reasons.find(status);
  return found == reasons.end() ? "Error" : found->second;
}

// Blanks right after the root element's start tag, up to `size` bytes in all.
std::string PadInsideRoot(std::string body, std::size_t size) {
  if (body.size() >= size) return body;
  const auto declaration = body.find("?>");
  const auto rootStart = body.find('<', declaration == std::string::npos ? 0 : declaration + 2);
  const auto rootTagEnd = body.find('>', rootStart == std::string::npos ? body.size() : rootStart);
  const std::size_t at = rootTagEnd == std::string::npos ? body.size() : rootTagEnd + 1;
  body.insert(at, size - body.size(), ' ');
  return body;
}

}  // namespace

std::string RenderResponse(const WebAnswer& answer, const HttpFaults& faults) {
  const std::size_t padTo = std::max<std::size_t>(faults.oversize ? kOversizeBodyBytes : 0,
                                                  static_cast<std::size_t>(faults.padBytes));
  const std::string body = answer.status == 200 ? PadInsideRoot(answer.body, padTo) : answer.body;
  std::string out = faults.fault == HttpFault::kHttp10 ? "HTTP/1.0 " : "HTTP/1.1 ";
  out += std::to_string(answer.status) + " " + Reason(answer.status) + "\r\n";
  if (answer.status == 401) out += "WWW-Authenticate: Basic realm=\"NAS\"\r\n";
  if (!body.empty()) out += "Content-Type: " + answer.contentType + "\r\n";
  out += "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n";
  return out + body;
}

std::vector<std::string> SplitIntoPieces(const std::string& bytes, int count) {
  const std::size_t pieces = std::clamp<std::size_t>(bytes.size(), 1, std::max(count, 1));
  std::vector<std::string> out;
  std::size_t at = 0;
  for (std::size_t i = 0; i < pieces; ++i) {
    const std::size_t length = (bytes.size() - at) / (pieces - i);
    out.push_back(bytes.substr(at, length));
    at += length;
  }
  return out;
}
