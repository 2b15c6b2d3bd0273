// drovik-flood: floods the device protocol's group from one host of the test LAN.
//
//   drovik-flood --interface ADDRESS (--searches | --large BYTES | --spoof-replies COUNT)
//                [--every-ms N] [--delay-ms N] [--ready-file PATH]
//
// --searches sends another computer's search request and --large a datagram of BYTES bytes every
// N ms (default 2) until SIGINT or SIGTERM; --spoof-replies answers every search it hears, after
// --delay-ms (default 0), with COUNT replies from made-up devices, sent as fast as the socket
// takes them. ADDRESS must lie in 192.0.2.0/24, 198.51.100.0/24 or 203.0.113.0/24: the flooder
// is for the test LAN only.
#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "net/datagram.h"
#include "sim/event_loop.h"
#include "sim/flood.h"
#include "sim/text_numbers.h"
#include "sim/udp_service.h"

namespace {

volatile int stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

int Usage() {
  std::fprintf(stderr,
               "usage: drovik-flood --interface ADDRESS (--searches | --large BYTES |"
               " --spoof-replies COUNT) [--every-ms N] [--delay-ms N] [--ready-file PATH]\n");
  return 2;
}

struct Options {
  std::string interfaceAddress;
  std::string readyFile;
  FloodKind kind = FloodKind::kSearches;
  bool kindGiven = false;
  int amount = 0;  // bytes of a large datagram, or replies per search
  int everyMs = 2;
  int delayMs = 0;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--searches") {
      options.kind = FloodKind::kSearches;
      options.kindGiven = true;
      continue;
    }
    if (i + 1 >= argc) return false;
    const std::string value = argv[++i];
    std::optional<int> number;
    if (arg == "--interface") options.interfaceAddress = value;
    else if (arg == "--ready-file") options.readyFile = value;
    else if (arg == "--large" && (number = ReadCount(value, 65000))) {
      options.kind = FloodKind::kLarge;
      options.kindGiven = true;
      options.amount = *number;
    } else if (arg == "--spoof-replies" && (number = ReadCount(value, 1000000))) {
      options.kind = FloodKind::kSpoofedReplies;
      options.kindGiven = true;
      options.amount = *number;
    } else if (arg == "--every-ms" && (number = ReadCount(value, 60000)) && *number > 0) {
      options.everyMs = *number;
    } else if (arg == "--delay-ms" && (number = ReadCount(value, 60000))) {
      options.delayMs = *number;
    } else {
      return false;
    }
  }
  return options.kindGiven && !options.interfaceAddress.empty();
}

// Sends one datagram of a steady flood and sets the timer for the next.
void Repeat(EventLoop& loop, int everyMs, std::function<void()> send) {
  send();
  loop.After(everyMs, [&loop, everyMs, send] { Repeat(loop, everyMs, send); });
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) return Usage();
  if (!IsTestLanAddress(options.interfaceAddress)) {
    std::fprintf(stderr, "drovik-flood: %s is not an address of the test LAN\n",
                 options.interfaceAddress.c_str());
    return 2;
  }
  std::signal(SIGINT, RequestStop);
  std::signal(SIGTERM, RequestStop);

  EventLoop loop;
  UdpService udp(loop, options.interfaceAddress);
  if (!udp.Ok()) {
    std::fprintf(stderr, "drovik-flood: UDP: %s\n", udp.Error().c_str());
    return 1;
  }
  unsigned serial = 0;
  const std::vector<std::uint8_t> large = LargeDatagram(static_cast<std::size_t>(options.amount));
  switch (options.kind) {
    case FloodKind::kSearches:
      Repeat(loop, options.everyMs, [&] { udp.SendToGroup(ForeignSearch(++serial)); });
      break;
    case FloodKind::kLarge:
      Repeat(loop, options.everyMs, [&] { udp.SendToGroup(large); });
      break;
    case FloodKind::kSpoofedReplies:
      udp.Handle(kSearchRequestType, [&](const std::vector<std::uint8_t>& request) {
        if (request.size() < 11) return;
        loop.After(options.delayMs, [&, request] {
          for (int i = 0; i < options.amount && !stopRequested; ++i)
            udp.SendToGroup(SpoofedReply(request, ++serial));
          std::fprintf(stderr, "drovik-flood: %d replies to a search\n", options.amount);
        });
      });
      break;
  }
  if (!options.readyFile.empty()) std::ofstream(options.readyFile) << "ready\n";
  loop.Run(&stopRequested);
  return 0;
}
