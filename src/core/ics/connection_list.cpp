// The ICS page's list of connections.
#include "core/ics/connection_list.h"

#include "core/text/ascii_case.h"

namespace aerowisp {

ConnectionListFill ConnectionListFor(std::vector<ConnectionListRow> rows,
                                     const std::u16string& chosenDevice) {
    ConnectionListFill fill;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (EqualsIgnoringCaseAZ(rows[i].deviceName, chosenDevice))
            fill.selected = i;
    }
    fill.rows = std::move(rows);
    return fill;
}

ConnectionListClick ClickOn(const ConnectionListRow& row, const std::u16string& chosenDevice) {
    if (row.networkName.empty())
        return {};
    return {true, !EqualsIgnoringCaseAZ(row.deviceName, chosenDevice)};
}

ConnectionApply ApplyOn(const ConnectionListRow& row, const std::u16string& chosenDevice) {
    if (row.networkName.empty())
        return ConnectionApply::kDisableOnly;
    if (EqualsIgnoringCaseAZ(row.deviceName, chosenDevice))
        return ConnectionApply::kNothing;
    return ConnectionApply::kRestart;
}

}  // namespace aerowisp
