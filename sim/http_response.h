// The bytes of the device's web answers, its faults applied.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "sim/device_state.h"

struct WebAnswer {
  int status = 200;
  std::string body;  // the document of a 200 answer; other answers have none
  int delayMs = 0;   // how long the answer is held back before it is sent
  std::string contentType = "text/xml";
};

// What an oversized answer's body is padded to: far more than one 4096-byte read takes.
constexpr std::size_t kOversizeBodyBytes = 10000;
// The most a body may be padded to: twice the largest answer the program reads.
constexpr int kMaxPadBytes = 2 << 20;

// Status line, Content-Type, Content-Length, "Connection: close", the body. The http10
// fault changes the status line's version, the oversize fault pads a 200 body with blanks inside
// its root element, so that a reader that takes only its start sees an unfinished document.
std::string RenderResponse(const WebAnswer& answer, const HttpFaults& faults);

// Cuts bytes into `count` pieces of nearly equal length (fewer when there are fewer bytes).
std::vector<std::string> SplitIntoPieces(const std::string& bytes, int count);
