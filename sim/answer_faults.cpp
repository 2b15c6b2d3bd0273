#include "sim/answer_faults.h"

#include <algorithm>

#include "sim/text_numbers.h"

namespace {

constexpr int kMaxSlowMs = 600000;  // ten minutes: far beyond any wait of the program

// The elements that carry a command's result: res, and status in the password change's answer.
bool IsResult(const AnswerElement& element) {
  return element.name == "res" || element.name == "status";
}

void SetResults(AnswerElement& element, int value) {
  for (AnswerElement& child : element.children) {
    if (IsResult(child)) child.text = std::to_string(value);
    SetResults(child, value);
  }
}

void Drop(AnswerElement& element, const std::string& name) {
  std::erase_if(element.children,
                [&name](const AnswerElement& child) { return child.name == name; });
  for (AnswerElement& child : element.children) Drop(child, name);
}

}  // namespace

std::optional<AnswerFault> ParseAnswerFault(std::string_view text) {
  if (text == "malformed") return AnswerFault{AnswerFault::Kind::kMalformed, {}, 0};
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view kind = text.substr(0, colon), value = text.substr(colon + 1);
  if (kind == "drop" && !value.empty())
    return AnswerFault{AnswerFault::Kind::kDrop, std::string(value), 0};
  if (kind == "res") {
    if (const auto number = ReadInteger(value))
      return AnswerFault{AnswerFault::Kind::kResult, {}, *number};
  }
  if (kind == "slow") {
    if (const auto ms = ReadCount(value, kMaxSlowMs))
      return AnswerFault{AnswerFault::Kind::kSlow, {}, *ms};
  }
  return std::nullopt;
}

SpoiledAnswer ApplyAnswerFaults(AnswerElement answer, const std::vector<AnswerFault>& faults) {
  SpoiledAnswer out;
  bool unfinished = false;
  for (const AnswerFault& fault : faults) {
    switch (fault.kind) {
      case AnswerFault::Kind::kResult: SetResults(answer, fault.number); break;
      case AnswerFault::Kind::kDrop: Drop(answer, fault.element); break;
      case AnswerFault::Kind::kMalformed: unfinished = true; break;
      case AnswerFault::Kind::kSlow: out.delayMs += fault.number; break;
    }
  }
  out.body = RenderAnswer(answer, unfinished);
  return out;
}
