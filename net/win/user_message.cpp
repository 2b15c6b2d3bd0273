#include "net/win/user_message.h"

#include <windows.h>

#include <atomic>

namespace {

void ShowMessageBox(const std::wstring& text) {
  MessageBoxW(nullptr, text.c_str(), L"Drovik", MB_OK);
}

std::atomic<UserMessageSink> currentSink{&ShowMessageBox};

}  // namespace

void SetUserMessageSink(UserMessageSink sink) { currentSink = sink ? sink : &ShowMessageBox; }

void ShowUserMessage(const std::wstring& text) { currentSink.load()(text); }
