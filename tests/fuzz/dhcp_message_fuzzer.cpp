// libFuzzer target: DHCP message reading, and everything a message can reach: the server's decisions,
// the replies it writes, and the lease file they leave. The same bytes also go through the lease file
// and DhcpServer.ini readers and the log's line cleaner. A crash, a sanitizer report or a broken invariant
// is a finding; a reply sent by unicast anywhere but to a station of the hosted network's link is one.
#include <cstdint>
#include <string_view>

#include "dhcp/core/config.h"
#include "dhcp/core/lease_file.h"
#include "dhcp/core/server.h"
#include "dhcp/core/text.h"

namespace {

using namespace aerowisp;
using namespace aerowisp::dhcp;

class NullLog final : public EventLog {
  public:
    void Write(const std::string&) override {}
};

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ParseLeaseFile(text);
    ReadConfig(text);
    const std::string logged = LogSafe(text);
    Require(logged.size() <= kMaxLogLineBytes);
    for (char c : logged)
        Require(static_cast<uint8_t>(c) >= 0x20 && c != 0x7F);

    ParseResult parsed = ParseMessage(bytes);
    Require(parsed.message.has_value() == (parsed.error == ParseError::kNone));
    if (!parsed.message)
        return 0;
    const std::vector<uint8_t> rebuilt = BuildMessage(*parsed.message);
    if (rebuilt.size() <= kMaxMessageBytes)
        Require(ParseMessage(rebuilt).message == parsed.message);

    // A small pool, so that the same message soon meets a full table.
    Config config;
    config.poolLast = MakeIpv4(192, 168, 139, 4);
    NullLog log;
    Server server(config, {kServerAddress}, log);
    Message request = *parsed.message;
    for (int round = 0; round < 4; ++round) {
        // The last round as while the lease file is not read yet.
        server.SetHoldingNewAddresses(round == 3);
        std::optional<Reply> reply = server.Handle(request, round % 2 == 0, 1000 + round * 40);
        if (reply) {
            Require(reply->to == kBroadcast || OnLinkHost(reply->to));
            Require(reply->to == kBroadcast || reply->to == request.giaddr || reply->to == request.ciaddr);
            Require(reply->message.yiaddr == 0 ||
                    (reply->message.yiaddr >= config.poolFirst && reply->message.yiaddr <= config.poolLast));
            ParseResult back = ParseMessage(BuildMessage(reply->message));
            Require(back.message && back.message->Type() == reply->message.Type());
        }
        request.chaddr[0] ^= 1;  // another client with the same request
    }
    const std::vector<Lease> records = server.leases().Records();
    const LeaseFileContents contents = ParseLeaseFile(FormatLeaseFile(records));
    Require(contents.damagedLines == 0 && contents.records == records);
    return 0;
}
