#include "net/login_credentials.h"

#include <cstring>

LoginCredentialsRecord& LoginCredentials() {
  static LoginCredentialsRecord credentials{};
  return credentials;
}

void ClearLoginCredentials() { std::memset(&LoginCredentials(), 0, sizeof(LoginCredentialsRecord)); }
