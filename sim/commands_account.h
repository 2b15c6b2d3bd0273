// The account programs' commands: the password change, the shares and the access rights of a user.
#pragma once
#include "sim/web_site.h"

void AddAccountCommands(WebSite& site);
