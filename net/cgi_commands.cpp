// The starting calls of the device commands sent over HTTP.
#include <string>

#include "net/query.h"

int CQuery::SetTimeZone(int device, int timeZoneIndex) {
  return StartCgiCommand(device, kOpCgiCommand, 4,
                         "cmd=cgi_timezone&f_timezone=" + std::to_string(timeZoneIndex));
}
