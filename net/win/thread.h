// A thread that runs one object's Run() once.
#pragma once
#include <windows.h>

#include <atomic>

class CThread {
public:
  CThread() = default;
  CThread(const CThread&) = delete;
  CThread& operator=(const CThread&) = delete;
  // Closes a handle still held; it does not wait for the thread.
  virtual ~CThread();

  // Stops a thread still held, then starts a new one running Run(). False if none was created.
  virtual bool Start();
  // Resumes, asks to stop, waits without a time limit and lets the handle go.
  virtual void Stop();
  virtual void Suspend();
  virtual void Resume();
  virtual void Idle();
  // The thread's body; by default idles until a stop is asked for.
  virtual void Run();

  bool StopRequested() const { return stopFlag_.load() != 0; }

protected:
  // The worker lets its own handle go before it hands its object to someone else (or deletes it):
  // after that nothing refers to the thread any more.
  void ReleaseThreadHandle();

private:
  static DWORD WINAPI ThreadProc(LPVOID self);

  std::atomic<unsigned char> stopFlag_{1};  // 1: stop requested or not running
  std::atomic<HANDLE> thread_{nullptr};
};
