#include "xml/element_index.h"

#include <algorithm>

void ElementIndex::Reset(std::size_t entries) {
  if (entries > capacity_) GrowTo(entries);
  (*this)[0] = ElementEntry{};
  nextFree_ = 1;
}

std::int32_t ElementIndex::Add() {
  if (static_cast<std::size_t>(nextFree_) == capacity_) GrowTo(capacity_ + capacity_ / 2);
  return nextFree_++;
}

void ElementIndex::GrowTo(std::size_t entries) {
  while (capacity_ < entries) {
    const std::size_t inLast =
        segments_.empty() ? 0 : capacity_ - (segments_.size() - 1) * kSegmentEntries;
    if (!segments_.empty() && inLast < kSegmentEntries) {
      // Only the partial last segment is ever copied.
      const std::size_t grown = std::min(kSegmentEntries, inLast + (entries - capacity_));
      auto segment = std::make_unique_for_overwrite<ElementEntry[]>(grown);
      std::copy_n(segments_.back().get(), inLast, segment.get());
      segments_.back() = std::move(segment);
      capacity_ += grown - inLast;
    } else {
      const std::size_t size = std::min(kSegmentEntries, entries - capacity_);
      segments_.push_back(std::make_unique_for_overwrite<ElementEntry[]>(size));
      capacity_ += size;
    }
  }
}
