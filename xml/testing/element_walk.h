// Visits every element of a freshly loaded document in document order using only the
// navigator's own moves, without recursion, so that any nesting depth can be walked. Shared by
// the tests, the fuzz target and the benchmark.
#pragma once
#include <cstdint>

#include "xml/xml_navigator.h"

// Calls visit(navigator) with each element at the main position; returns how many there were.
template <class Visit>
std::int64_t WalkEveryElement(XmlNavigator& navigator, Visit&& visit) {
  std::int64_t visited = 0;
  if (!navigator.FindElement()) return 0;
  for (;;) {
    visit(navigator);
    ++visited;
    if (navigator.FindChildElement()) {
      navigator.EnterElement();
      continue;
    }
    // No children: the next sibling, else the next sibling of the nearest ancestor that has one.
    while (!navigator.FindElement()) {
      if (!navigator.LeaveElement()) return visited;
    }
  }
}
