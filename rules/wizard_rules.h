// The wizard's navigation as pure rules: which page a move goes to, which navigation buttons each
// move shows or hides, the look of the step markers, and how long the frame follows a device after
// a network change.
#pragma once
#include <array>
#include <optional>
#include <vector>

// Where a move leads. kStay: nowhere (the page refused, or the named page is missing);
// kPastEnd: beyond the last page (an advance then ends the wizard as Exit does).
struct PageTarget {
  enum Kind { kStay, kPage, kPastEnd } kind;
  int index = -1;
};

// A page answers "where to" with 0 (the neighbour in page order), -1 (stay) or the template id of
// the target. `step` is +1 for an advance and -1 for Previous; before the first page is kStay.
PageTarget ResolveTarget(int answer, int currentIndex, int step, const std::vector<int>& templateIds);

// What happened to the navigation buttons' page; each decides differently about the ends.
enum class NavigationMove {
  kOpened,         // the first page of the run is shown
  kAdvanced,       // Next or Skip reached the page
  kWentBack,       // Previous reached the page
  kJumped,         // a step marker reached the page
  kCommandFailed,  // the page's command failed (the page stays)
  kCommandSent,    // the page's command is on its way
};

// Per button: shown, hidden, or left as it is.
struct NavigationButtons {
  std::optional<bool> next = std::nullopt;
  std::optional<bool> finish = std::nullopt;
  std::optional<bool> previous = std::nullopt;
  std::optional<bool> skip = std::nullopt;
};

NavigationButtons ButtonsAfter(NavigationMove move, int pageIndex, int pageCount);

// The step markers in their fixed order, and their states.
inline constexpr int kStepCount = 6;
enum class StepState { kCurrent = 0, kDone = 1, kToCome = 2 };
// `currentStep` is the marker of the shown page, -1 when it has none: then every step looks done.
std::array<StepState, kStepCount> StepStates(int currentStep);

// After a network change the frame asks the device for its address once a second, at most this
// often; the tick after the last unanswered poll gives up.
inline constexpr int kMaxAddressPolls = 8;
inline bool AddressPollsExhausted(int pollsDone) { return pollsDone >= kMaxAddressPolls; }
