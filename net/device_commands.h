// The device commands sent over HTTP, each described once: the index the device numbers it by,
// the kind of operation that carries it (how its result reaches the window), the path it posts
// to, and the reader of its answer. The request is built, and the answer read, from this table;
// the body comes from net/command_bodies.h.
#pragma once
#include <string_view>

#include "net/answer_parsers.h"
#include "net/op_kinds.h"

struct DeviceCommand {
  int index;  // a CgiCommand; 0 and 17 are places in the device's numbering no command sends
  OpKindValue kind;
  // The other kind the command may run as (GetShareInfo with USB shares: kOpShareList); 0 none.
  int otherKind;
  const char* path;
  // Reads the answer of an operation of `opKind`; nullptr: the answer is not read.
  AnswerReport (*read)(std::string_view answer, int opKind, int cmdIndex, const AnswerTargets& to);
};

// The command with that index; nullptr beyond the device's numbering.
const DeviceCommand* FindDeviceCommand(int cmdIndex);
