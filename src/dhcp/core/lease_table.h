// One record per address of the pool: who holds it, until when, and in which state.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/text/ipv4_text.h"

namespace aerowisp::dhcp {

enum class LeaseState : uint8_t {
    kFree,      // never handed out
    kOffered,   // offered, not yet requested
    kBound,     // acknowledged
    kReleased,  // given back; the client keeps its claim to come back to the same address
    kDeclined,  // found in use by another machine, set aside until `expires`
};

struct Lease {
    Ipv4 address = 0;
    LeaseState state = LeaseState::kFree;
    // Seconds since 1970-01-01 UTC.
    int64_t expires = 0;
    // Option 61, else the hardware type followed by the hardware address; empty when free or declined.
    std::vector<uint8_t> client{};
    // Hardware type and address as last seen, for the log.
    std::vector<uint8_t> hardware{};
    std::string hostName{};

    bool operator==(const Lease&) const = default;
};

// Every change of a record goes through Offer, Bind, Decline or Release, each of which marks the table
// changed; the lookups hand out records to read only.
class LeaseTable {
  public:
    LeaseTable(Ipv4 first, Ipv4 last);

    // Null outside the pool.
    const Lease* At(Ipv4 address) const;
    const Lease* OfClient(std::span<const uint8_t> client) const;
    // A never used address first, else the one whose lease ended longest ago, passing over those `skip`
    // says are kept; null when none is free.
    const Lease* FreeAddress(int64_t now, const std::function<bool(Ipv4)>& skip = {}) const;
    static bool AvailableTo(const Lease& lease, std::span<const uint8_t> client, int64_t now);

    // Offers `address` to `client` until `offeredUntil`; a lease the client holds bound there stays
    // bound. Any other address the client held is given back.
    void Offer(Ipv4 address, std::span<const uint8_t> client, std::span<const uint8_t> hardware, int64_t now,
               int64_t offeredUntil);
    // Binds `address` to `client` until `expires`; an empty `hostName` keeps the one known. Any other
    // address the client held is given back.
    void Bind(Ipv4 address, std::span<const uint8_t> client, std::span<const uint8_t> hardware,
              std::string hostName, int64_t now, int64_t expires);
    // Sets `address` aside, without a client, until `until`.
    void Decline(Ipv4 address, int64_t until);
    // Gives `address` back now; its client keeps the claim to come back to it.
    void Release(Ipv4 address, int64_t now);
    // True once after any of the changes above.
    bool TakeChanged();

    // Every record except never used addresses.
    std::vector<Lease> Records() const;
    // Takes back records written by Records(); those outside the pool or for a taken address are
    // dropped, and their number returned. What was read back is no change to write.
    size_t Restore(const std::vector<Lease>& records);

  private:
    Lease* Slot(Ipv4 address);
    // The record of `address` about to change, the table marked changed; null outside the pool.
    Lease* Changing(Ipv4 address);
    // Gives `lease` to `client`; any other address the client held is forgotten.
    void Assign(Lease& lease, std::span<const uint8_t> client, int64_t now);

    Ipv4 first_;
    std::vector<Lease> slots_;
    bool changed_ = false;
};

}  // namespace aerowisp::dhcp
