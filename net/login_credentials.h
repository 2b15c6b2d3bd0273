// The logged-in user, as narrow text in the thread's ANSI code page: filled by the login check,
// cleared by a rejected one, read by every command request.
#pragma once

struct LoginCredentialsRecord {
  char userName[16];
  char password[16];
};

LoginCredentialsRecord& LoginCredentials();
void ClearLoginCredentials();
