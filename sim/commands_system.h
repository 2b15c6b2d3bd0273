// The wizard's reading of the device settings, and the system program's commands that set the
// device's name, workgroup, description and time zone.
#pragma once
#include "sim/web_site.h"

void AddSystemCommands(WebSite& site);
