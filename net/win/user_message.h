// Where the console's side of the network layer tells the user what an operation reported (its
// notices, CQuery::notices): standard error in the console tool, a message box of no window
// otherwise. Workers never call it; the program's windows show notices themselves, owned by the
// window that waits for the result (ui/network/network_results.h).
#pragma once
#include <string>

using UserMessageSink = void (*)(const std::wstring& text);

// Replaces where messages go (nullptr restores the message box).
void SetUserMessageSink(UserMessageSink sink);
void ShowUserMessage(const std::wstring& text);
