// The rules a hosted network's name and key must meet.
#include "core/hostednet/ap_input_rules.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/lang/language_strings.h"

namespace aerowisp {
namespace {

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// The name reaches the WLAN service in the ANSI code page: it must have an exact form there that fits
// the 32-byte SSID field, or the network would carry another name than the one typed.
bool IsValidSsid(std::u16string_view ssid, AnsiCodePage& codePage) {
    if (ssid.empty() || ssid.size() > kSsidMaxLength ||
        !std::ranges::all_of(ssid, [](char16_t c) { return c <= kSsidMaxCharacter; }))
        return false;
    const std::optional<std::string> ansi = codePage.WideToAnsiExactly(ssid);
    return ansi && ansi->size() <= kSsidMaxAnsiBytes;
}

bool IsPassphraseCharacter(char16_t c) {
    return c >= kPassphraseFirstCharacter && c <= kPassphraseLastCharacter;
}

}  // namespace

// A passphrase is what WPA2 accepts as one: printable ASCII only.
bool IsValidKey(std::u16string_view key) {
    if (key.size() < kKeyMinLength)
        return false;
    if (key.size() == kHexKeyLength)
        return IsHexKey(key);
    return std::ranges::all_of(key, IsPassphraseCharacter);
}

// A key is a secret: one that differs in the case of a letter is another key.
ApInputFault ValidateApInput(std::u16string_view ssid, std::u16string_view key,
                             std::u16string_view confirmation, AnsiCodePage& codePage) {
    if (!IsValidSsid(ssid, codePage))
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

bool IsHexKey(std::u16string_view key) {
    return key.size() == kHexKeyLength && std::ranges::all_of(key, IsHexDigit);
}

bool IsUsableStoredApInput(std::u16string_view ssid, std::u16string_view key, AnsiCodePage& codePage) {
    return ValidateApInput(ssid, key, key, codePage) == ApInputFault::kNone && key.size() <= kKeyMaxLength;
}

}  // namespace aerowisp
