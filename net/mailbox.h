// The result mailbox: a worker stores the pointer of its finished operation under a fresh id and
// posts the id; the receiving window takes the pointer out again. One per process.
#pragma once
#include <cstdint>
#include <deque>
#include <mutex>

template <class T>
class Singleton {
public:
  static T& Instance() {
    static T instance;
    return instance;
  }

protected:
  Singleton() = default;
  Singleton(const Singleton&) = delete;
  Singleton& operator=(const Singleton&) = delete;
};

struct MsgEntry {
  std::uint64_t id;
  void* pointer;
  std::uint32_t reserved;  // always 0
};

class CMsg : public Singleton<CMsg> {
public:
  // Stores the pointer under the next id (the first id of a run is 1) and returns that id.
  std::uint64_t Put(void* pointer);
  // Hands out and removes the entry with this id; false (outputs untouched) when there is none.
  bool Take(std::uint64_t id, void*& pointer, std::uint32_t& reserved);

  // The id a receiver forms from the lParam a worker posted (the id's low 32 bits, sign-extended).
  static std::uint64_t IdFromParam(std::intptr_t lParam);
  static std::intptr_t ParamFromId(std::uint64_t id);

  // Entries still stored at exit are objects whose result nobody took: their memory is released.
  ~CMsg();

private:
  friend class Singleton<CMsg>;
  CMsg() = default;

  std::mutex lock_;
  std::deque<MsgEntry> entries_;
  std::uint64_t lastId_ = 0;
};
