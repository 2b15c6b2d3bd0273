// What the shortcut buttons hand to the browser and the file manager, as pure text rules: the web
// applications' redirect address with the login, and the UNC path of a shared folder. Device data
// (share names) that could steer the file manager elsewhere never becomes a path.
#pragma once
#include <optional>
#include <string>
#include <string_view>

// The characters that would end or change a query value ("&", "=", "%", "+", "#") as %XX escapes;
// every other character unchanged, so the redirect page receives the value whole.
std::u16string EncodeQueryValue(std::u16string_view value);

// Whether `address` is dotted IPv4 text ("192.0.2.10"): the device's address is device data, and
// nothing else may stand where the links put it.
bool IsDottedAddress(std::u16string_view address);

// "http://<address>/web/tamsel_redirect.html?m=<application>&u=<user>&p=<password>", the user name
// and password encoded as above; nothing when the address is not dotted IPv4 text.
std::optional<std::u16string> WebApplicationUrl(std::u16string_view address, int application, std::u16string_view userName,
                                 std::u16string_view password);

// A share name that names one folder of the device: not empty, not "." or "..", and without "\",
// "/", ":" or a control character (any of which could make the path point somewhere else).
bool IsPlainShareName(std::u16string_view name);

// "\\<address>\<share>" for a plain share name on a dotted IPv4 address; nothing for any other.
std::optional<std::u16string> SharePath(std::u16string_view address, std::u16string_view share);
