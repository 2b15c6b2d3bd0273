// The simulator's own interface addresses, which an IP change may move. The simulator runs as root
// in a network namespace of its own, so this changes only that namespace.
#pragma once
#include <optional>
#include <string>

struct InterfaceAddress {
  std::string interfaceName;
  int prefixLength = 0;
};

// The interface that holds the dotted IPv4 address, and the address's prefix length there.
std::optional<InterfaceAddress> FindInterfaceAddress(const std::string& address);

// Each returns what went wrong, or nothing.

// Gives the interface that holds `holder` the address `added`/`prefixLength` as well.
std::optional<std::string> AddInterfaceAddress(const std::string& holder, const std::string& added,
                                               int prefixLength);

// Takes `address` off the interface that holds it.
std::optional<std::string> RemoveInterfaceAddress(const std::string& address);

// Gives the interface that holds `from` the address `to`/`prefixLength`, then removes `from` (when it
// differs): adding first keeps the interface from being without an address for a moment, which
// would flush its routes, the multicast route among them.
std::optional<std::string> MoveInterfaceAddress(const std::string& from, const std::string& to,
                                                int prefixLength);
