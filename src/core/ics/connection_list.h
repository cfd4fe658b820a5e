// The ICS page's list of connections: which row shows the shared connection, and what a click or Apply
// on a row means for the choice.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace aerowisp {

// One adapter of the adapter table as the page lists it.
struct ConnectionListRow {
    std::u16string deviceName;
    std::u16string networkName;  // the connection's name

    friend bool operator==(const ConnectionListRow&, const ConnectionListRow&) = default;
};

// The rows in the table's order and the row selected and shown as the public network. With no rows
// the page empties its list and keeps the rest.
struct ConnectionListFill {
    std::vector<ConnectionListRow> rows;
    size_t selected = 0;

    friend bool operator==(const ConnectionListFill&, const ConnectionListFill&) = default;
};

// The row of `chosenDevice` (A-Z case ignored; the last of several), else the first.
ConnectionListFill ConnectionListFor(std::vector<ConnectionListRow> rows, const std::u16string& chosenDevice);

// A click on a row; a click on no row comes with empty texts.
struct ConnectionListClick {
    bool showNetworkName = false;  // false: the public network text stays as it was
    bool enableApply = false;
};
ConnectionListClick ClickOn(const ConnectionListRow& row, const std::u16string& chosenDevice);

// Apply with `row` selected.
enum class ConnectionApply {
    kNothing,      // the row is the shared connection already
    kDisableOnly,  // a row without a network name
    kRestart,      // share the row's connection instead: Apply is disabled, sharing restarted
};
ConnectionApply ApplyOn(const ConnectionListRow& row, const std::u16string& chosenDevice);

}  // namespace aerowisp
