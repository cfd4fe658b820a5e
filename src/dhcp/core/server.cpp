// The server's decisions.
#include "dhcp/core/server.h"

#include <algorithm>
#include <utility>

#include "dhcp/core/text.h"

namespace aerowisp::dhcp {

namespace {

constexpr size_t kMaxHostNameBytes = 63;
// Why requests went unanswered, as the log's summary names them.
constexpr std::string_view kNotARequest = "not a DHCP request";
constexpr std::string_view kRelayedFromOutside = "relayed from outside 192.168.139.0/24";
constexpr std::string_view kInformFromOutside = "INFORM from outside 192.168.139.0/24";
constexpr std::string_view kNoFreeAddress = "DISCOVER with no free address";
constexpr std::string_view kDiscoverHeld = "DISCOVER held until the lease file is read";
constexpr std::string_view kRequestHeld = "REQUEST held until the lease file is read";
constexpr std::string_view kRequestWithoutAddress = "REQUEST without an address";
constexpr std::string_view kDiscoverBlocked = "DISCOVER from a blocked station";
constexpr std::string_view kInformBlocked = "INFORM from a blocked station";
constexpr uint8_t kEthernet = 1;

// Printable ASCII only, so that the log and the lease file stay plain text.
std::string HostName(const Message& request) {
    auto found = request.options.find(option::kHostName);
    if (found == request.options.end())
        return {};
    std::string name;
    for (uint8_t byte : found->second) {
        if (name.size() == kMaxHostNameBytes)
            break;
        name += byte > 0x20 && byte < 0x7F ? static_cast<char>(byte) : '?';
    }
    return name;
}

// What every reply takes from its request, with its type and the server's identifier.
Message ReplyTo(const Message& request, MessageType type) {
    Message reply;
    reply.op = kBootReply;
    reply.htype = request.htype;
    reply.hlen = request.hlen;
    reply.xid = request.xid;
    reply.flags = request.flags;
    reply.giaddr = request.giaddr;
    reply.chaddr = request.chaddr;
    reply.options[option::kMessageType] = {static_cast<uint8_t>(type)};
    reply.SetAddressOption(option::kServerId, kServerAddress);
    if (auto id = request.options.find(option::kClientId); id != request.options.end())
        reply.options[option::kClientId] = id->second;
    return reply;
}

std::string_view StateName(RequestState state) {
    switch (state) {
        case RequestState::kSelecting:
            return "selecting";
        case RequestState::kInitReboot:
            return "init-reboot";
        case RequestState::kRenewing:
            return "renewing";
        case RequestState::kRebinding:
            break;
    }
    return "rebinding";
}

std::vector<uint8_t> HardwareKey(const Message& request) {
    std::vector<uint8_t> key{request.htype};
    const std::span<const uint8_t> hardware = request.Hardware();
    key.insert(key.end(), hardware.begin(), hardware.end());
    return key;
}

}  // namespace

std::vector<uint8_t> ClientKey(const Message& request) {
    auto found = request.options.find(option::kClientId);
    if (found != request.options.end() && !found->second.empty())
        return found->second;
    return HardwareKey(request);
}

Server::Server(const Config& config, std::vector<Ipv4> dnsServers, EventLog& log)
    : config_(config),
      dnsServers_(std::move(dnsServers)),
      log_(log),
      leases_(config.poolFirst, config.poolLast) {}

bool Server::TakeChanged() {
    return leases_.TakeChanged();
}

std::optional<Reply> Server::Handle(const Message& request, bool arrivedAsBroadcast, int64_t now) {
    std::optional<MessageType> type = request.Type();
    if (request.op != kBootRequest || !type) {
        refusals_.Count(kNotARequest);
        return std::nullopt;
    }
    // Only this link and relays on it are served.
    if (request.giaddr != 0 && !OnLinkHost(request.giaddr)) {
        refusals_.Count(kRelayedFromOutside);
        return std::nullopt;
    }
    const std::vector<uint8_t> client = ClientKey(request);
    switch (*type) {
        case MessageType::kDiscover:
            return Discover(request, client, now);
        case MessageType::kRequest:
            return Request(request, client, arrivedAsBroadcast, now);
        case MessageType::kDecline:
            Decline(request, client, now);
            return std::nullopt;
        case MessageType::kRelease:
            Release(request, client, now);
            return std::nullopt;
        case MessageType::kInform:
            return Inform(request);
        default:
            refusals_.Count(kNotARequest);
            return std::nullopt;
    }
}

const DeviceRule* Server::RuleOf(const Message& request) const {
    return request.htype == kEthernet ? rules_.Of(request.Hardware()) : nullptr;
}

bool Server::FixedForAnother(Ipv4 address, const DeviceRule* own) const {
    const DeviceRule* holder = rules_.ReservedFor(address);
    return holder != nullptr && holder != own;
}

const Lease* Server::FixedLease(const DeviceRule* rule, std::span<const uint8_t> client, int64_t now) const {
    const Lease* fixed = rule != nullptr ? leases_.At(rule->reserved) : nullptr;
    return !holding_ && fixed != nullptr && LeaseTable::AvailableTo(*fixed, client, now) ? fixed : nullptr;
}

std::optional<Reply> Server::Discover(const Message& request, std::span<const uint8_t> client, int64_t now) {
    const DeviceRule* rule = RuleOf(request);
    if (rule != nullptr && rule->blocked) {
        refusals_.Count(kDiscoverBlocked);
        return std::nullopt;
    }
    const Lease* lease = leases_.OfClient(client);
    if (lease != nullptr && FixedForAnother(lease->address, rule))
        lease = nullptr;
    if (holding_ && lease == nullptr) {
        refusals_.Count(kDiscoverHeld);
        return std::nullopt;
    }
    std::string note;
    if (const Lease* fixed = FixedLease(rule, client, now)) {
        lease = fixed;
    } else if (!holding_ && rule != nullptr && leases_.At(rule->reserved) != nullptr) {
        note = " (its fixed address " + FormatIpv4(rule->reserved) + " is still another station's)";
    }
    if (lease == nullptr) {
        std::optional<Ipv4> wanted = request.AddressOption(option::kRequestedAddress);
        const Lease* asked = wanted ? leases_.At(*wanted) : nullptr;
        const auto fixedAddress = [this](Ipv4 address) { return rules_.ReservedFor(address) != nullptr; };
        lease =
            asked != nullptr && LeaseTable::AvailableTo(*asked, client, now) && !fixedAddress(asked->address)
                ? asked
                : leases_.FreeAddress(now, fixedAddress);
    }
    if (lease == nullptr) {
        refusals_.Count(kNoFreeAddress);
        return std::nullopt;
    }
    leases_.Offer(lease->address, client, HardwareKey(request), now, now + kOfferHoldSeconds);
    log_.Write("DISCOVER from " + Who(request) + ": OFFER " + FormatIpv4(lease->address) + note);
    return Answer(request, MessageType::kOffer, lease->address, true);
}

std::optional<Reply> Server::Request(const Message& request, std::span<const uint8_t> client, bool broadcast,
                                     int64_t now) {
    const std::optional<Ipv4> serverId = request.AddressOption(option::kServerId);
    const std::optional<Ipv4> wanted = request.AddressOption(option::kRequestedAddress);
    RequestState state = RequestState::kSelecting;
    Ipv4 address = 0;
    const auto logAnswer = [&](const char* answer) {
        log_.Write("REQUEST from " + Who(request) + " (" + std::string(StateName(state)) + ") " +
                   FormatIpv4(address) + ": " + answer);
    };
    if (serverId) {
        const Lease* lease = leases_.OfClient(client);
        if (*serverId != kServerAddress) {
            // The client took another server's offer.
            if (lease != nullptr && lease->state == LeaseState::kOffered)
                leases_.Release(lease->address, now);
            return std::nullopt;
        }
        address = wanted.value_or(request.ciaddr);
        if (lease == nullptr || lease->address != address) {
            logAnswer("NAK");
            return Nak(request);
        }
    } else if (wanted) {
        state = RequestState::kInitReboot;
        address = *wanted;
    } else if (request.ciaddr != 0) {
        state = broadcast ? RequestState::kRebinding : RequestState::kRenewing;
        address = request.ciaddr;
    } else {
        refusals_.Count(kRequestWithoutAddress);
        return std::nullopt;
    }
    const DeviceRule* rule = RuleOf(request);
    if (rule != nullptr && rule->blocked) {
        logAnswer("NAK, blocked");
        return Nak(request);
    }
    // RFC 2131 4.3.2: a client whose address, or whose ciaddr, is of another network is on the wrong
    // network, whatever its state. This server alone serves its link, so a station that took an address
    // elsewhere (another allocator in the host's first seconds) is told at once, not when its lease ends.
    if (!InSubnet(address) || (request.ciaddr != 0 && !InSubnet(request.ciaddr))) {
        logAnswer("NAK, another network");
        return Nak(request);
    }
    if (FixedForAnother(address, rule)) {
        logAnswer("NAK, fixed for another station");
        return Nak(request);
    }
    // A station is moved to its fixed address as soon as that is free.
    if (rule != nullptr && address != rule->reserved && FixedLease(rule, client, now) != nullptr) {
        logAnswer("NAK, its fixed address is free");
        return Nak(request);
    }
    const Lease* lease = leases_.At(address);
    if (holding_ && (lease == nullptr || lease != leases_.OfClient(client))) {
        refusals_.Count(kRequestHeld);
        return std::nullopt;
    }
    if (lease == nullptr || !LeaseTable::AvailableTo(*lease, client, now)) {
        logAnswer("NAK");
        return Nak(request);
    }
    logAnswer("ACK");
    return Ack(request, *lease, client, now);
}

void Server::Decline(const Message& request, std::span<const uint8_t> client, int64_t now) {
    const std::optional<Ipv4> address = request.AddressOption(option::kRequestedAddress);
    const Lease* lease = address ? leases_.At(*address) : nullptr;
    if (lease == nullptr || lease != leases_.OfClient(client))
        return;
    leases_.Decline(*address, now + kDeclineHoldSeconds);
    log_.Write("DECLINE from " + Who(request) + ": " + FormatIpv4(*address) + " set aside");
}

void Server::Release(const Message& request, std::span<const uint8_t> client, int64_t now) {
    const Lease* lease = leases_.At(request.ciaddr);
    if (lease == nullptr || lease != leases_.OfClient(client))
        return;
    leases_.Release(request.ciaddr, now);
    log_.Write("RELEASE from " + Who(request) + ": " + FormatIpv4(request.ciaddr));
}

std::optional<Reply> Server::Inform(const Message& request) {
    if (const DeviceRule* rule = RuleOf(request); rule != nullptr && rule->blocked) {
        refusals_.Count(kInformBlocked);
        return std::nullopt;
    }
    if (!OnLinkHost(request.ciaddr)) {
        refusals_.Count(kInformFromOutside);
        return std::nullopt;
    }
    log_.Write("INFORM from " + Who(request) + " " + FormatIpv4(request.ciaddr) + ": ACK");
    return Answer(request, MessageType::kAck, 0, false);
}

Reply Server::Ack(const Message& request, const Lease& lease, std::span<const uint8_t> client, int64_t now) {
    leases_.Bind(lease.address, client, HardwareKey(request), HostName(request), now,
                 now + config_.leaseSeconds);
    return Answer(request, MessageType::kAck, lease.address, true);
}

Reply Server::Nak(const Message& request) const {
    Reply reply{ReplyTo(request, MessageType::kNak)};
    // Through a relay the client has no address yet: the relay must broadcast.
    if (request.giaddr != 0) {
        reply.message.flags |= kBroadcastFlag;
        reply.to = request.giaddr;
        reply.port = kServerPort;
    } else {
        reply.to = kBroadcast;
    }
    return reply;
}

Reply Server::Answer(const Message& request, MessageType type, Ipv4 yiaddr, bool withLease) const {
    Reply reply{ReplyTo(request, type)};
    Message& message = reply.message;
    message.yiaddr = yiaddr;
    if (type == MessageType::kAck)
        message.ciaddr = request.ciaddr;
    if (withLease) {
        message.SetNumberOption(option::kLeaseTime, config_.leaseSeconds);
        message.SetNumberOption(option::kRenewalTime, config_.leaseSeconds / 2);
        message.SetNumberOption(option::kRebindingTime,
                                static_cast<uint32_t>(uint64_t{config_.leaseSeconds} * 7 / 8));
    }
    message.SetAddressOption(option::kSubnetMask, kSubnetMask);
    message.SetAddressOption(option::kRouter, kServerAddress);
    message.SetAddressOption(option::kBroadcastAddress, kServerAddress | ~kSubnetMask);
    message.SetAddressListOption(option::kDnsServers, dnsServers_);
    // RFC 2131 4.1: relays get the reply on the server port; a client with an address of this link by
    // unicast; the rest by broadcast, since an unconfigured client cannot be reached by unicast without
    // its ARP entry, and a ciaddr of another network is not one this link can reach.
    if (request.giaddr != 0) {
        reply.to = request.giaddr;
        reply.port = kServerPort;
    } else if (OnLinkHost(request.ciaddr)) {
        reply.to = request.ciaddr;
    } else {
        reply.to = kBroadcast;
    }
    return reply;
}

std::string Server::Who(const Message& request) const {
    std::string who = HexText(request.Hardware(), ':');
    if (std::string name = HostName(request); !name.empty())
        who += " (" + name + ")";
    return who;
}

}  // namespace aerowisp::dhcp
