// The lease table: a record per pool address, searched linearly (a /24 holds at most 253).
#include "dhcp/core/lease_table.h"

#include <algorithm>

namespace aerowisp::dhcp {

namespace {

bool SameBytes(std::span<const uint8_t> a, std::span<const uint8_t> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

}  // namespace

LeaseTable::LeaseTable(Ipv4 first, Ipv4 last) : first_(first) {
    for (Ipv4 address = first; address <= last && address >= first; ++address)
        slots_.push_back(Lease{.address = address});
}

Lease* LeaseTable::At(Ipv4 address) {
    if (address < first_ || address - first_ >= slots_.size())
        return nullptr;
    return &slots_[address - first_];
}

Lease* LeaseTable::OfClient(std::span<const uint8_t> client) {
    if (client.empty())
        return nullptr;
    for (Lease& lease : slots_) {
        if (SameBytes(lease.client, client))
            return &lease;
    }
    return nullptr;
}

Lease* LeaseTable::FreeAddress(int64_t now) {
    Lease* oldest = nullptr;
    for (Lease& lease : slots_) {
        if (lease.state == LeaseState::kFree)
            return &lease;
        if (lease.expires <= now && (oldest == nullptr || lease.expires < oldest->expires))
            oldest = &lease;
    }
    return oldest;
}

bool LeaseTable::AvailableTo(const Lease& lease, std::span<const uint8_t> client, int64_t now) {
    return lease.state == LeaseState::kFree || lease.expires <= now ||
           (lease.state != LeaseState::kDeclined && SameBytes(lease.client, client));
}

void LeaseTable::Assign(Lease& lease, std::span<const uint8_t> client, int64_t now) {
    for (Lease& other : slots_) {
        if (&other != &lease && SameBytes(other.client, client)) {
            other.client.clear();
            other.hostName.clear();
            other.state = LeaseState::kReleased;
            other.expires = std::min(other.expires, now);
        }
    }
    if (!SameBytes(lease.client, client)) {
        lease.client.assign(client.begin(), client.end());
        lease.hostName.clear();
    }
}

std::vector<Lease> LeaseTable::Records() const {
    std::vector<Lease> records;
    for (const Lease& lease : slots_) {
        if (lease.state != LeaseState::kFree)
            records.push_back(lease);
    }
    return records;
}

size_t LeaseTable::Restore(const std::vector<Lease>& records) {
    size_t dropped = 0;
    for (const Lease& record : records) {
        Lease* slot = At(record.address);
        if (slot == nullptr || slot->state != LeaseState::kFree || record.state == LeaseState::kFree ||
            (!record.client.empty() && OfClient(record.client) != nullptr)) {
            ++dropped;
            continue;
        }
        *slot = record;
    }
    return dropped;
}

}  // namespace aerowisp::dhcp
