// The lease table: a record per pool address, searched linearly (a /24 holds at most 253).
#include "dhcp/core/lease_table.h"

#include <algorithm>
#include <utility>

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

Lease* LeaseTable::Slot(Ipv4 address) {
    if (address < first_ || address - first_ >= slots_.size())
        return nullptr;
    return &slots_[address - first_];
}

Lease* LeaseTable::Changing(Ipv4 address) {
    Lease* lease = Slot(address);
    changed_ = changed_ || lease != nullptr;
    return lease;
}

const Lease* LeaseTable::At(Ipv4 address) const {
    return const_cast<LeaseTable*>(this)->Slot(address);
}

const Lease* LeaseTable::OfClient(std::span<const uint8_t> client) const {
    if (client.empty())
        return nullptr;
    for (const Lease& lease : slots_) {
        if (SameBytes(lease.client, client))
            return &lease;
    }
    return nullptr;
}

const Lease* LeaseTable::FreeAddress(int64_t now, const std::function<bool(Ipv4)>& skip) const {
    const Lease* oldest = nullptr;
    for (const Lease& lease : slots_) {
        if (skip && skip(lease.address))
            continue;
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

void LeaseTable::Offer(Ipv4 address, std::span<const uint8_t> client, std::span<const uint8_t> hardware,
                       int64_t now, int64_t offeredUntil) {
    Lease* lease = Changing(address);
    if (lease == nullptr)
        return;
    Assign(*lease, client, now);
    lease->hardware.assign(hardware.begin(), hardware.end());
    if (lease->state != LeaseState::kBound || lease->expires <= now) {
        lease->state = LeaseState::kOffered;
        lease->expires = offeredUntil;
    }
}

void LeaseTable::Bind(Ipv4 address, std::span<const uint8_t> client, std::span<const uint8_t> hardware,
                      std::string hostName, int64_t now, int64_t expires) {
    Lease* lease = Changing(address);
    if (lease == nullptr)
        return;
    Assign(*lease, client, now);
    lease->state = LeaseState::kBound;
    lease->expires = expires;
    lease->hardware.assign(hardware.begin(), hardware.end());
    if (!hostName.empty())
        lease->hostName = std::move(hostName);
}

void LeaseTable::Decline(Ipv4 address, int64_t until) {
    Lease* lease = Changing(address);
    if (lease == nullptr)
        return;
    lease->state = LeaseState::kDeclined;
    lease->expires = until;
    lease->client.clear();
    lease->hostName.clear();
}

void LeaseTable::Release(Ipv4 address, int64_t now) {
    Lease* lease = Changing(address);
    if (lease == nullptr)
        return;
    lease->state = LeaseState::kReleased;
    lease->expires = now;
}

bool LeaseTable::TakeChanged() {
    return std::exchange(changed_, false);
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
        Lease* slot = Slot(record.address);
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
