// The elements whose start tag has been read and whose end tag has not, innermost last, with
// their names. Finding the innermost open element of a name costs no walk when none is open, so
// end tags that match nothing cannot make loading quadratic in the nesting depth.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// How many open elements carry each 64-bit name hash: an open-addressing table that keeps only
// live hashes when it is rebuilt, so its size follows the nesting depth, not the element count.
class OpenNameCounts {
public:
  void Add(std::uint64_t hash);
  void Remove(std::uint64_t hash);
  bool Contains(std::uint64_t hash) const;

private:
  struct Slot {
    std::uint64_t hash;  // 0 marks a slot never used
    std::uint32_t count;
  };
  std::size_t Probe(std::uint64_t hash) const;
  void Rebuild();

  std::vector<Slot> slots_;  // a power of two in size, at most half used
  std::size_t used_ = 0;
};

class OpenElementStack {
public:
  struct Open {
    std::int32_t element;
    std::u16string_view name;
    std::uint64_t hash;
  };

  OpenElementStack() { open_.reserve(7); }

  void Push(std::int32_t element, std::u16string_view name);
  void Pop();
  // The depth (0 = outermost) of the innermost open element named exactly `name`, else -1.
  // A walk happens only when such an element is open, and every element it passes is closed
  // by the caller afterwards.
  std::int32_t FindInnermost(std::u16string_view name) const;

  bool Empty() const { return open_.empty(); }
  std::int32_t Depth() const { return static_cast<std::int32_t>(open_.size()); }
  const Open& At(std::int32_t depth) const { return open_[static_cast<std::size_t>(depth)]; }
  std::int32_t Innermost() const { return open_.empty() ? 0 : open_.back().element; }

private:
  static std::uint64_t Hash(std::u16string_view name);

  std::vector<Open> open_;
  OpenNameCounts counts_;
};
