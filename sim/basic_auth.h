// The device's check of the Basic authorisation of a web request.
#pragma once
#include <string>
#include <vector>

#include "sim/device_state.h"

// Whether the Authorization header's value (null when the header is missing) is "Basic " and the
// Base64 of "admin:" and the password of one of the users. The name is always "admin": the program
// sends that name whichever user logged in.
bool IsAuthorised(const std::string* authorization, const std::vector<DeviceUser>& users);
