// The rules a hosted network's name and key must meet.
#include "core/hostednet/ap_input_rules.h"

#include <algorithm>

#include "core/text/ascii_case.h"
#include "core/lang/language_strings.h"

namespace aerowisp {
namespace {

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool IsValidSsid(std::u16string_view ssid) {
    return !ssid.empty() && ssid.size() <= kSsidMaxLength &&
           std::ranges::all_of(ssid, [](char16_t c) { return c <= kSsidMaxCharacter; });
}

bool IsValidKey(std::u16string_view key) {
    return key.size() >= kKeyMinLength && (key.size() != kHexKeyLength || IsHexKey(key));
}

}  // namespace

ApInputFault ValidateApInput(std::u16string_view ssid, std::u16string_view key,
                             std::u16string_view confirmation) {
    if (!IsValidSsid(ssid))
        return ApInputFault::kInvalidSsid;
    if (!IsValidKey(key))
        return ApInputFault::kInvalidKey;
    if (!EqualsIgnoringCaseAZ(confirmation, key))
        return ApInputFault::kKeyMismatch;
    return ApInputFault::kNone;
}

ApInputMessage MessageFor(ApInputFault fault) {
    switch (fault) {
        case ApInputFault::kInvalidSsid:
            return {kInvalidSsidMessage, ApInputField::kSsid};
        case ApInputFault::kInvalidKey:
            return {kInvalidKeyMessage, ApInputField::kKey};
        case ApInputFault::kKeyMismatch:
        case ApInputFault::kNone:
            break;
    }
    return {kKeyMismatchMessage, ApInputField::kKey};
}

bool IsHexKey(std::u16string_view key) {
    return key.size() == kHexKeyLength && std::ranges::all_of(key, IsHexDigit);
}

bool IsUsableStoredApInput(std::u16string_view ssid, std::u16string_view key, AnsiCodePage& codePage) {
    return ValidateApInput(ssid, key, key) == ApInputFault::kNone && key.size() <= kKeyMaxLength &&
           codePage.WideToAnsi(ssid).size() <= kSsidMaxAnsiBytes;
}

}  // namespace aerowisp
