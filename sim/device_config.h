// Reads the simulator's configuration: one [device] section per simulated device, key=value lines
// (UTF-8; blanks around keys and values are dropped).
//
//   [device]
//   name=NAS-ONE
//   mac=00:11:22:33:44:01
//   address=192.0.2.21
//   mask=255.255.255.0
//   gateway=192.0.2.1
//   dhcp=0
//   dhcp_address=192.0.2.60     what the device takes when told to use DHCP (default: keeps its own)
//   dns1=192.0.2.53 | dns2=...  the DNS servers (default: none, answered as 0.0.0.0)
//   text=any text
//   workgroup=WORKGROUP         (the default) | description=any text (default: empty)
//   timezone=32                 the time zone's number, 1 to 96 (default 1)
//   user=NAME:PASSWORD[:ACCESS] repeatable; none given means one user admin, password admin.
//                               Names and passwords cannot hold ':'; ACCESS is the rest of the line.
//   share=USER:NAME             repeatable: a share on USER's list, in this order; the name is
//                               the rest of the line (any UTF-8, a 4-byte sequence included)
//   usb_share=USER:NAME         the same for a share on a USB disk: listed only when the USB
//                               shares are asked for
//   disk=NAME:SIZE_GIB          repeatable, in order: the device's disks (default: none); NAME
//                               without ","
//   volume=NUMBER:TOTAL_GIB:USED_GIB[:LEVEL]
//                               repeatable: the volumes it has; LEVEL standard (the default),
//                               linear, raid0 or raid1. Creating volumes replaces them.
//   format.seconds=4            how long a format run takes (the default; 0 to 3600)
//   format.fail_at=60           a format run stops failed at this percent (0 to 99)
//   search.silent=1 | search.delay_ms=300 | search.foreign_model=1 | search.wrong_id=1
//   search.answers=2            copies of each answer, 0 to 100
//   search.truncated=1          the answer is cut before the product bytes
//   count=300                   the section stands for 300 devices: the k-th (from 0) has MAC and
//                               address counted up by k and " k+1" after its name (at most 4096)
//   login.silent=1 | login.delay_ms=300
//   login.answer_any=1          answers every login, also those meant for other devices, as
//                               accepted and with its own address
//   setip.silent=1              ignores IP changes (no change, no answer) | setip.delay_ms=300
//   setip.readdress=1           also moves the address of the interface that holds the old one
//   network.readdress=1         a network change over the web (cgi_ip) also re-addresses the
//                               interface: 200 ms after the change it takes the new address
//                               beside the old one, and network.release_ms after that it gives
//   network.release_ms=5000     up the old one (the default: 5000)
//   http.fault=none|refused|silent|unauthorized|http10
//                               refused: port 80 stays closed (for the whole simulator, as the
//                               devices of one simulator share it); silent: reads the request,
//                               never answers; unauthorized: 401 to every request; http10: the
//                               status line says "HTTP/1.0"
//   http.split_ms=200           sends each answer in 3 pieces, 200 ms apart
//   http.oversize=1             pads each XML body to 10000 bytes
//   http.pad_bytes=497664       pads each XML body to that many bytes (at most 2097152)
//   fault.COMMAND=FAULT         repeatable, the faults add up: spoils the answer to one command,
//                               named by its form cmd (fault.cgi_FMT_Create_DiskMGR) or, for the
//                               XML files, by the file name (fault.dm_read_state.xml). FAULT is
//                               res:N      the result (res; status for cgi_chg_user_pw) holds N
//                               drop:NAME  the elements of that name are left out
//                               malformed  the root element is never closed
//                               slow:MS    the answer leaves MS ms late (at most 600000)
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
