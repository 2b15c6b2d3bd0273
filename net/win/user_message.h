// The one seam through which network operations tell the user something: a message box in the
// program, standard error in the console tool.
#pragma once
#include <string>

using UserMessageSink = void (*)(const std::wstring& text);

// Replaces where messages go (nullptr restores the message box).
void SetUserMessageSink(UserMessageSink sink);
void ShowUserMessage(const std::wstring& text);
