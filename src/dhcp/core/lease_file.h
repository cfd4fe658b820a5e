// The lease file's text: one line per record, so that a damaged line costs only itself.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "dhcp/core/contract.h"
#include "dhcp/core/lease_table.h"

namespace aerowisp::dhcp {

// A comment line, then per record: address, state, expiry (seconds since 1970 UTC), client (hex, "-"
// when none), hardware (hex, "-" when none), the host name after '=' (printable ASCII, may be empty) and
// the end mark " ;":
//   192.168.139.7 bound 1767225600 01020304050607 01020304050607 =station-one ;
// Lines may end in CR LF, LF or CR; hex may be in either case. Files written before the end mark (no
// "# DhcpServer leases 2" line and no marked record) are read without it.
std::string FormatLeaseFile(const std::vector<Lease>& records);

struct LeaseFileContents {
    std::vector<Lease> records;
    // Lines that are neither blank, a comment nor a whole record.
    size_t damagedLines = 0;
};

LeaseFileContents ParseLeaseFile(std::string_view text);

}  // namespace aerowisp::dhcp
