// The rules a hosted network's name and key must meet.
#include "core/hostednet/ap_input_rules.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/lang/language_strings.h"

namespace aerowisp {
namespace {

bool IsPassphraseCharacter(char16_t c) {
    return c >= kPassphraseFirstCharacter && c <= kPassphraseLastCharacter;
}

}  // namespace

SsidFault CheckSsid(std::u16string_view ssid, AnsiCodePage& codePage) {
    if (ssid.empty())
        return SsidFault::kEmpty;
    if (std::ranges::any_of(ssid, [](char16_t c) { return c > kSsidMaxCharacter; }))
        return SsidFault::kNoExactAnsiForm;
    const std::optional<std::string> ansi = codePage.WideToAnsiExactly(ssid);
    if (!ansi)
        return SsidFault::kNoExactAnsiForm;
    if (ssid.size() > kSsidMaxLength || ansi->size() > kSsidMaxAnsiBytes)
        return SsidFault::kTooLong;
    return SsidFault::kNone;
}

// A passphrase is what WPA2 accepts as one: printable ASCII only. The boxes' limit does not hold for
// text the program sets into them or reads from DuvaDI.ini, so a longer key is refused here as well.
bool IsValidKey(std::u16string_view key) {
    if (key.size() < kKeyMinLength || key.size() > kKeyMaxLength)
        return false;
    if (key.size() == kHexKeyLength)
        return IsHexKey(key);
    return std::ranges::all_of(key, IsPassphraseCharacter);
}

// A key is a secret: one that differs in the case of a letter is another key.
ApInputFault ValidateApInput(std::u16string_view ssid, std::u16string_view key,
                             std::u16string_view confirmation, AnsiCodePage& codePage) {
    if (CheckSsid(ssid, codePage) != SsidFault::kNone)
        return ApInputFault::kInvalidSsid;
    if (!IsValidKey(key))
        return ApInputFault::kInvalidKey;
    if (confirmation != key)
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

bool IsUsableStoredApInput(std::u16string_view ssid, std::u16string_view key, AnsiCodePage& codePage) {
    return ValidateApInput(ssid, key, key, codePage) == ApInputFault::kNone;
}

}  // namespace aerowisp
