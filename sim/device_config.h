// Reads the simulator's configuration: one [device] section per simulated device, key=value lines.
//
//   [device]
//   name=NAS-ONE
//   mac=00:11:22:33:44:01
//   address=192.0.2.21
//   mask=255.255.255.0
//   gateway=192.0.2.1
//   dhcp=0
//   dhcp_address=192.0.2.60     what the device takes when told to use DHCP (default: keeps its own)
//   text=any text
//   user=NAME:PASSWORD[:ACCESS] repeatable; none given means one user admin, password admin.
//                               Names and passwords cannot hold ':'; ACCESS is the rest of the line.
//   search.silent=1 | search.delay_ms=300 | search.foreign_model=1 | search.wrong_id=1
//   search.answers=2
//   login.silent=1 | login.delay_ms=300
//   login.answer_any=1          answers every login, also those meant for other devices, as
//                               accepted and with its own address
//   setip.silent=1              ignores IP changes (no change, no answer) | setip.delay_ms=300
//   setip.readdress=1           also moves the address of the interface that holds the old one
//   http.fault=none|refused|silent|unauthorized|http10
//                               refused: port 80 stays closed (for the whole simulator, as the
//                               devices of one simulator share it); silent: reads the request,
//                               never answers; unauthorized: 401 to every request; http10: the
//                               status line says "HTTP/1.0"
//   http.split_ms=200           sends each answer in 3 pieces, 200 ms apart
//   http.oversize=1             pads each XML body to 10000 bytes
//
// Lines starting with '#' or ';' are comments.
#pragma once
#include <istream>
#include <string>
#include <vector>

#include "sim/device_state.h"

struct ConfigResult {
  std::vector<DeviceState> devices;
  std::string error;  // empty when the whole text was understood
};

ConfigResult ParseDeviceConfig(std::istream& in);
