#include "sim/udp_service.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "net/datagram.h"

UdpService::UdpService(EventLoop& loop, const std::string& interfaceAddress)
    : loop_(loop), interfaceAddress_(interfaceAddress) {
  in_addr local{};
  if (inet_pton(AF_INET, interfaceAddress.c_str(), &local) != 1) {
    error_ = "bad interface address " + interfaceAddress;
    return;
  }
  const int fd = socket(AF_INET, SOCK_DGRAM, 0);
  if (fd < 0) {
    error_ = std::strerror(errno);
    return;
  }
  const int on = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in bound{};
  bound.sin_family = AF_INET;
  bound.sin_port = htons(kDevicePort);
  bound.sin_addr.s_addr = htonl(INADDR_ANY);
  ip_mreq membership{};
  inet_pton(AF_INET, kDeviceGroup, &membership.imr_multiaddr);
  membership.imr_interface = local;
  const unsigned char off = 0;
  if (bind(fd, reinterpret_cast<sockaddr*>(&bound), sizeof bound) != 0 ||
      setsockopt(fd, IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof membership) != 0 ||
      setsockopt(fd, IPPROTO_IP, IP_MULTICAST_IF, &local, sizeof local) != 0 ||
      setsockopt(fd, IPPROTO_IP, IP_MULTICAST_LOOP, &off, sizeof off) != 0) {
    error_ = std::strerror(errno);
    close(fd);
    return;
  }
  fd_ = fd;
  loop_.Watch(fd_, [this] { OnReadable(); });
}

UdpService::~UdpService() {
  if (fd_ < 0) return;
  loop_.Unwatch(fd_);
  close(fd_);
}

void UdpService::OnReadable() {
  std::vector<std::uint8_t> datagram(65536);
  const ssize_t n = recv(fd_, datagram.data(), datagram.size(), 0);
  if (n <= 0) return;
  datagram.resize(static_cast<std::size_t>(n));
  const auto handler = handlers_.find(datagram[0]);
  if (handler != handlers_.end()) handler->second(datagram);
}

bool UdpService::UseInterfaceAddress(const std::string& address) {
  in_addr local{};
  if (inet_pton(AF_INET, address.c_str(), &local) != 1 ||
      setsockopt(fd_, IPPROTO_IP, IP_MULTICAST_IF, &local, sizeof local) != 0)
    return false;
  interfaceAddress_ = address;
  return true;
}

void UdpService::SendToGroup(const std::vector<std::uint8_t>& datagram) {
  sockaddr_in group{};
  group.sin_family = AF_INET;
  group.sin_port = htons(kDevicePort);
  inet_pton(AF_INET, kDeviceGroup, &group.sin_addr);
  sendto(fd_, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&group),
         sizeof group);
}
