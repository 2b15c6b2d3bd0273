#include "net/win/thread.h"

CThread::~CThread() {
  if (HANDLE handle = thread_.exchange(nullptr)) CloseHandle(handle);
}

DWORD WINAPI CThread::ThreadProc(LPVOID self) {
  // Run() may hand the object over or delete it; nothing here touches it afterwards.
  static_cast<CThread*>(self)->Run();
  return 0;
}

bool CThread::Start() {
  if (thread_.load()) Stop();
  stopFlag_ = 0;
  // Created suspended so that the handle is stored before the body can run (and release it).
  HANDLE handle = CreateThread(nullptr, 0, &CThread::ThreadProc, this, CREATE_SUSPENDED, nullptr);
  if (!handle) {
    stopFlag_ = 1;
    return false;
  }
  thread_ = handle;
  ResumeThread(handle);
  return true;
}

void CThread::Stop() {
  Resume();
  stopFlag_ = 1;
  if (HANDLE handle = thread_.exchange(nullptr)) {
    WaitForSingleObject(handle, INFINITE);
    CloseHandle(handle);
  }
}

void CThread::Suspend() {
  if (HANDLE handle = thread_.load()) SuspendThread(handle);
}

void CThread::Resume() {
  HANDLE handle = thread_.load();
  if (!handle) return;
  while (ResumeThread(handle) > 1) Sleep(1);
}

void CThread::Idle() { Sleep(500); }

void CThread::Run() {
  while (!StopRequested()) Idle();
}

void CThread::ReleaseThreadHandle() {
  if (HANDLE handle = thread_.exchange(nullptr)) CloseHandle(handle);
}
