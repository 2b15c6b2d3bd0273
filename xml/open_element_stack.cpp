#include "xml/open_element_stack.h"

namespace {
constexpr std::size_t kInitialSlots = 16;
}

void OpenNameCounts::Add(std::uint64_t hash) {
  if (2 * (used_ + 1) > slots_.size()) Rebuild();
  Slot& slot = slots_[Probe(hash)];
  if (slot.hash == 0) {
    slot.hash = hash;
    ++used_;
  }
  ++slot.count;
}

void OpenNameCounts::Remove(std::uint64_t hash) { --slots_[Probe(hash)].count; }

bool OpenNameCounts::Contains(std::uint64_t hash) const {
  if (slots_.empty()) return false;
  return slots_[Probe(hash)].count != 0;
}

// The slot holding `hash`, else the never-used slot where it belongs.
std::size_t OpenNameCounts::Probe(std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = static_cast<std::size_t>(hash) & mask;
  while (slots_[i].hash != 0 && slots_[i].hash != hash) i = (i + 1) & mask;
  return i;
}

// Drops the hashes no open element carries any more and leaves at least three quarters free,
// so rebuilding costs constant time per added hash.
void OpenNameCounts::Rebuild() {
  std::vector<Slot> old;
  old.swap(slots_);
  std::size_t live = 0;
  for (const Slot& slot : old) live += slot.count != 0;
  std::size_t size = old.empty() ? kInitialSlots : old.size();
  while (4 * (live + 1) > size) size *= 2;
  slots_.assign(size, Slot{0, 0});
  used_ = 0;
  for (const Slot& slot : old) {
    if (slot.count == 0) continue;
    slots_[Probe(slot.hash)] = slot;
    ++used_;
  }
}

void OpenElementStack::Push(std::int32_t element, std::u16string_view name) {
  const std::uint64_t hash = Hash(name);
  open_.push_back(Open{element, name, hash});
  counts_.Add(hash);
}

void OpenElementStack::Pop() {
  counts_.Remove(open_.back().hash);
  open_.pop_back();
}

std::int32_t OpenElementStack::FindInnermost(std::u16string_view name) const {
  // Most end tags close the innermost element: no hashing for them.
  if (!open_.empty() && open_.back().name == name) return Depth() - 1;
  const std::uint64_t hash = Hash(name);
  if (!counts_.Contains(hash)) return -1;
  for (std::size_t depth = open_.size(); depth-- > 0;) {
    const Open& open = open_[depth];
    if (open.hash == hash && open.name == name) return static_cast<std::int32_t>(depth);
  }
  return -1;
}

// FNV-1a over the code units with a final mix; never 0, which marks an unused slot.
std::uint64_t OpenElementStack::Hash(std::u16string_view name) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const char16_t c : name) hash = (hash ^ c) * 0x100000001b3u;
  hash ^= hash >> 33;
  hash *= 0xff51afd7ed558ccdu;
  hash ^= hash >> 33;
  return hash == 0 ? 1 : hash;
}
