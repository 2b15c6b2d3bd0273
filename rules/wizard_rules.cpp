#include "rules/wizard_rules.h"

#include <algorithm>

PageTarget ResolveTarget(int answer, int currentIndex, int step, const std::vector<int>& templateIds) {
  if (answer == -1) return {PageTarget::kStay};
  const int count = static_cast<int>(templateIds.size());
  if (answer == 0) {
    const int neighbour = currentIndex + step;
    if (neighbour < 0) return {PageTarget::kStay};
    if (neighbour >= count) return {step > 0 ? PageTarget::kPastEnd : PageTarget::kStay};
    return {PageTarget::kPage, neighbour};
  }
  const auto found = std::find(templateIds.begin(), templateIds.end(), answer);
  if (found == templateIds.end()) return {PageTarget::kStay};
  return {PageTarget::kPage, static_cast<int>(found - templateIds.begin())};
}

NavigationButtons ButtonsAfter(NavigationMove move, int pageIndex, int pageCount) {
  const bool first = pageIndex == 0;
  const bool last = pageIndex == pageCount - 1;
  switch (move) {
    case NavigationMove::kOpened:
      return {.next = pageCount != 1, .finish = pageCount == 1, .previous = false};
    case NavigationMove::kAdvanced:
      if (last) return {.next = false, .finish = true, .previous = true};
      return {.next = true, .finish = false, .previous = true, .skip = true};
    case NavigationMove::kWentBack:
      if (first) return {.next = true, .finish = false, .previous = false};
      return {.next = true, .finish = false};
    case NavigationMove::kJumped:
      if (first) return {.next = true, .finish = false, .previous = false};
      if (last) return {.next = false, .finish = true, .previous = true};
      return {.next = true, .finish = false, .previous = true};
    case NavigationMove::kCommandFailed:
      // Skip stays hidden: the page that failed is offered again through Next.
      if (first) return {.next = true, .finish = false, .previous = false};
      if (last) return {.next = false, .finish = true, .previous = true};
      return {.next = true, .finish = true, .previous = true};
    case NavigationMove::kCommandSent:
      return {.next = false, .previous = false, .skip = false};
  }
  return {};
}

std::array<StepState, kStepCount> StepStates(int currentStep) {
  std::array<StepState, kStepCount> states{};
  for (int step = 0; step < kStepCount; ++step) {
    if (currentStep < 0 || step < currentStep) {
      states[static_cast<size_t>(step)] = StepState::kDone;
    } else {
      states[static_cast<size_t>(step)] = step == currentStep ? StepState::kCurrent : StepState::kToCome;
    }
  }
  return states;
}
