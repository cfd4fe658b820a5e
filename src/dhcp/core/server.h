// The server's decisions (RFC 2131 section 4.3): which request gets which reply, and the leases kept.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dhcp/core/config.h"
#include "dhcp/core/device_rules.h"
#include "dhcp/core/lease_table.h"
#include "dhcp/core/log_policy.h"
#include "dhcp/core/message.h"

namespace aerowisp::dhcp {

// Port: where the server says what it did, one line at a time.
// Implementations: the rotated log file beside DhcpServer.exe (src/dhcp/win), a recording fake in tests.
class EventLog {
  public:
    virtual ~EventLog() = default;
    virtual void Write(const std::string& line) = 0;
};

// An offer not taken up within this time is freed again.
constexpr int64_t kOfferHoldSeconds = 60;
// An address a client declined (another machine answers on it) stays out of use this long.
constexpr int64_t kDeclineHoldSeconds = 3600;

// The client states in which a REQUEST comes (RFC 2131 section 4.3.2), told apart by what it carries.
enum class RequestState { kSelecting, kInitReboot, kRenewing, kRebinding };

struct Reply {
    Message message;
    Ipv4 to = 0;
    uint16_t port = kClientPort;
};

class Server {
  public:
    Server(const Config& config, std::vector<Ipv4> dnsServers, EventLog& log);

    // `arrivedAsBroadcast` tells a renewing client (unicast) from a rebinding one; `now` is in seconds
    // since 1970-01-01 UTC.
    std::optional<Reply> Handle(const Message& request, bool arrivedAsBroadcast, int64_t now);

    LeaseTable& leases() { return leases_; }
    // True once after any change of the lease table that a restart must see.
    bool TakeChanged();
    // Requests that were not answered, counted for the log's summary.
    RefusalTally& refusals() { return refusals_; }

    // While the lease file is not read, any address of the pool may be a station's: no address is offered
    // and a request is granted only for what this table records for the same client.
    void SetHoldingNewAddresses(bool holding) { holding_ = holding; }
    // A blocked station is offered nothing and refused every request; a fixed address is offered and
    // granted to its station alone, and is the one that station gets whenever it is free. A station that
    // holds another's fixed address is refused at its next renewal; until then the station it is kept
    // for gets another address, so no two stations use one address at a time.
    void SetDeviceRules(DeviceRules rules) { rules_ = std::move(rules); }
    const DeviceRules& deviceRules() const { return rules_; }
    void SetDnsServers(std::vector<Ipv4> servers) { dnsServers_ = std::move(servers); }
    const std::vector<Ipv4>& dnsServers() const { return dnsServers_; }

  private:
    std::optional<Reply> Discover(const Message& request, std::span<const uint8_t> client, int64_t now);
    std::optional<Reply> Request(const Message& request, std::span<const uint8_t> client, bool broadcast,
                                 int64_t now);
    void Decline(const Message& request, std::span<const uint8_t> client, int64_t now);
    void Release(const Message& request, std::span<const uint8_t> client, int64_t now);
    std::optional<Reply> Inform(const Message& request);

    Reply Answer(const Message& request, MessageType type, Ipv4 yiaddr, bool withLease) const;
    Reply Ack(const Message& request, const Lease& lease, std::span<const uint8_t> client, int64_t now);
    Reply Nak(const Message& request) const;
    std::string Who(const Message& request) const;
    // The rule of the request's hardware address; null when it has none.
    const DeviceRule* RuleOf(const Message& request) const;
    // True when `address` is fixed for a station other than the one `own` is the rule of.
    bool FixedForAnother(Ipv4 address, const DeviceRule* own) const;
    // The lease of the station's fixed address when the station may have it now; null otherwise.
    const Lease* FixedLease(const DeviceRule* rule, std::span<const uint8_t> client, int64_t now) const;

    Config config_;
    std::vector<Ipv4> dnsServers_;
    EventLog& log_;
    LeaseTable leases_;
    RefusalTally refusals_;
    DeviceRules rules_;
    bool holding_ = false;
};

// The client's identity: option 61 when given, else the hardware type followed by the hardware address.
std::vector<uint8_t> ClientKey(const Message& request);

}  // namespace aerowisp::dhcp
