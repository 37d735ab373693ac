#include "pinger/PingNetwork.h"

#include "pinger/DefaultGateway.h"
#include "pinger/mdlPing.h"

namespace quorvane {

namespace {

class SystemPingNetwork : public PingNetwork {
 public:
  std::vector<std::string> LookUpHost(const std::string& name) override { return LookUpHostAddresses(name); }
  int32_t SendEcho(const std::string& address, EchoReply& reply, uint32_t timeoutMs) override {
    return SendEchoRequest(address, reply, timeoutMs);
  }
  std::vector<std::string> NameServers() override { return FindNameServers(); }
  std::optional<std::string> DefaultRouteNextHop() override { return FindDefaultGateway(); }
  std::vector<std::string> LocalAddresses() override { return FindLocalAddresses(); }
};

PingNetwork* g_installed = nullptr;

}  // namespace

PingNetwork& CurrentPingNetwork() {
  static SystemPingNetwork system;
  return g_installed ? *g_installed : system;
}

void SetPingNetwork(PingNetwork* network) { g_installed = network; }

std::optional<AutomaticHost> FindAutomaticHost() {
  PingNetwork& network = CurrentPingNetwork();
  return ChooseAutomaticHost(network.NameServers(), network.DefaultRouteNextHop(), network.LocalAddresses());
}

}  // namespace quorvane
