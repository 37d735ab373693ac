#include "pinger/AutomaticHost.h"

#include <algorithm>

#include "pinger/DottedAddress.h"

namespace quorvane {

namespace {

// A well-formed address that is not 0.0.0.0 and not one of this machine's
// (Windows lists its loopback address among them).
bool NotThisMachine(const std::string& text, const std::vector<std::string>& localAddresses) {
  const auto address = ParseDottedQuad(text);
  if (!address || *address == std::array<uint8_t, 4>{}) return false;
  return std::none_of(localAddresses.begin(), localAddresses.end(),
                      [&address](const std::string& local) { return ParseDottedQuad(TrimHostText(local)) == address; });
}

bool IsLoopback(const std::string& text) {
  const auto address = ParseDottedQuad(text);
  return address && (*address)[0] == 127;
}

}  // namespace

std::optional<AutomaticHost> ChooseAutomaticHost(const std::vector<std::string>& nameServers,
                                                 const std::optional<std::string>& nextHop,
                                                 const std::vector<std::string>& localAddresses) {
  for (const std::string& server : nameServers) {
    const std::string address = TrimHostText(server);
    if (!IsLoopback(address) && NotThisMachine(address, localAddresses))
      return AutomaticHost{address, AutomaticHostKind::NameServer};
  }
  if (nextHop && NotThisMachine(TrimHostText(*nextHop), localAddresses))
    return AutomaticHost{TrimHostText(*nextHop), AutomaticHostKind::Gateway};
  return std::nullopt;
}

std::string AutomaticHostLabel(const AutomaticHost& host) {
  return "Automatic: " + host.address +
         (host.kind == AutomaticHostKind::NameServer ? ", your name server" : ", your default gateway");
}

}  // namespace quorvane
