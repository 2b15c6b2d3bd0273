// The element index of a loaded document: one fixed-size entry per element, in document order of
// the start tags, entry 0 standing for the document itself. Entries live in segments of 65536 so
// that growing copies at most one (partial) segment and a lookup is two array accesses.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct ElementEntry {
  // Bits of `flags`; the low 16 bits hold the nesting level the start tag was read at (capped).
  static constexpr std::uint32_t kLevelMask = 0xFFFF;
  static constexpr std::uint32_t kFirstChild = 0x80000;
  static constexpr std::uint32_t kUnended = 0x100000;
  static constexpr std::uint32_t kErrorInside = 0x200000;
  static constexpr std::uint32_t kIllFormed = 0x800000;  // entry 0 only

  std::int32_t start;           // offset of the start tag's '<'
  std::int32_t length;          // up to the end tag's '>' inclusive; the start tag alone when none
  std::int32_t startTagLength;  // kept whole: a packed field would corrupt long tags
  std::int32_t endTagLength;    // 0 when the element has no end tag
  std::uint32_t flags;
  std::int32_t parent;       // 0 for top-level elements
  std::int32_t firstChild;   // 0 when there is none
  std::int32_t nextSibling;  // 0 for the last one
  std::int32_t prevSibling;  // the first child's holds the last sibling, so appending needs no walk
};

class ElementIndex {
public:
  static constexpr std::int32_t kSegmentBits = 16;
  static constexpr std::size_t kSegmentEntries = std::size_t{1} << kSegmentBits;

  // Starts a load: grows the storage to `entries` if it is smaller (storage is reused, never
  // shrunk), zeroes entry 0 and makes index 1 the next free one.
  void Reset(std::size_t entries);
  // Takes the next free entry, growing the storage by half when it is full; its content is unset.
  std::int32_t Add();

  ElementEntry& operator[](std::int32_t index) { return segments_[Segment(index)][Slot(index)]; }
  const ElementEntry& operator[](std::int32_t index) const {
    return segments_[Segment(index)][Slot(index)];
  }

  // Entries in use, entry 0 included.
  std::int32_t Used() const { return nextFree_; }
  std::size_t Capacity() const { return capacity_; }
  std::size_t CapacityBytes() const { return capacity_ * sizeof(ElementEntry); }

private:
  static std::size_t Segment(std::int32_t index) {
    return static_cast<std::size_t>(index) >> kSegmentBits;
  }
  static std::size_t Slot(std::int32_t index) {
    return static_cast<std::size_t>(index) & (kSegmentEntries - 1);
  }
  void GrowTo(std::size_t entries);

  std::vector<std::unique_ptr<ElementEntry[]>> segments_;  // all full but the last
  std::size_t capacity_ = 0;
  std::int32_t nextFree_ = 0;
};
