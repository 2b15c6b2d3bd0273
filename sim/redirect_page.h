// The page through which the device's web applications are entered: the program opens it in the
// browser with the application number and the login in its query ("m", "u" and "p"). The device
// serves it to anyone, without authorisation, and the simulator logs what the query carried.
#pragma once
#include <string>
#include <string_view>

#include "sim/http_request.h"
#include "sim/http_response.h"

inline constexpr char kRedirectPagePath[] = "/web/tamsel_redirect.html";

// GET: the page; any other method: 405.
WebAnswer RedirectPageAnswer(const HttpRequest& request);

// The log text of a visit: "redirect m=1 u=admin p=a&b #1", each field of the query decoded as a
// web server decodes it ("+" a blank, %XX a byte). Bytes outside printable ASCII and "%" itself are
// shown as %XX, so that the line stays one line and says exactly which bytes arrived.
std::string DescribeRedirectVisit(std::string_view query);
