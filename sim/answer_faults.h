// The ways a device spoils its answer to one command, set per command in the configuration
// ("fault.<command>=<fault>", the command being the form's cmd or the XML file's name).
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/answer_document.h"

struct AnswerFault {
  enum class Kind {
    kResult,     // "res:N": the result holds N (res; status in the password change's answer)
    kDrop,       // "drop:NAME": every element of that name below the root is left out
    kMalformed,  // "malformed": the root element is never closed
    kSlow,       // "slow:MS": the answer leaves MS milliseconds late (at most 600000)
  };
  Kind kind = Kind::kResult;
  std::string element;  // kDrop
  int number = 0;       // kResult: the value; kSlow: the delay
};

// Nothing for a text that names no fault.
std::optional<AnswerFault> ParseAnswerFault(std::string_view text);

struct SpoiledAnswer {
  std::string body;
  int delayMs = 0;
};

// The answer rendered with every fault applied; the delays of several slow faults add up.
SpoiledAnswer ApplyAnswerFaults(AnswerElement answer, const std::vector<AnswerFault>& faults);
