#include "net/mailbox.h"

#include <algorithm>
#include <new>

std::uint64_t CMsg::Put(void* pointer) {
  std::lock_guard<std::mutex> guard(lock_);
  ++lastId_;
  entries_.push_back(MsgEntry{lastId_, pointer, 0});
  return lastId_;
}

bool CMsg::Take(std::uint64_t id, void*& pointer, std::uint32_t& reserved) {
  std::lock_guard<std::mutex> guard(lock_);
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [id](const MsgEntry& entry) { return entry.id == id; });
  if (found == entries_.end()) return false;
  pointer = found->pointer;
  reserved = found->reserved;
  entries_.erase(found);
  return true;
}

std::uint64_t CMsg::IdFromParam(std::intptr_t lParam) {
  return static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<std::int32_t>(lParam)));
}

std::intptr_t CMsg::ParamFromId(std::uint64_t id) {
  return static_cast<std::intptr_t>(static_cast<std::int32_t>(static_cast<std::uint32_t>(id)));
}

CMsg::~CMsg() {
  // The stored objects belong to windows that are gone; only their memory is given back.
  for (const MsgEntry& entry : entries_) ::operator delete(entry.pointer);
}
