// The rules a hosted network's name and key must meet, for typed input and for stored values alike.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/lang/language_strings.h"
#include "core/platform/ansi_code_page.h"
#include "core/platform/wlan_types.h"

namespace aerowisp {

// The edit boxes' limits, in characters.
inline constexpr size_t kSsidMaxLength = 32;
inline constexpr size_t kKeyMaxLength = 64;
inline constexpr size_t kKeyMinLength = 8;
// The highest character code an SSID may hold (U+0100 itself is allowed).
inline constexpr char16_t kSsidMaxCharacter = u'\u0100';
// The SSID field of the connection settings, in bytes of the ANSI form.
inline constexpr size_t kSsidMaxAnsiBytes = 32;
// A passphrase (a key of 8 to 63 characters) holds printable ASCII characters only.
inline constexpr char16_t kPassphraseFirstCharacter = u' ';
inline constexpr char16_t kPassphraseLastCharacter = u'~';

enum class ApInputFault { kNone, kInvalidSsid, kInvalidKey, kKeyMismatch };

enum class ApInputField { kSsid, kKey };

// What to tell the user about a fault, and the box that gets the focus.
struct ApInputMessage {
    LanguageString text;
    ApInputField focus;
};

// The first rule the input breaks, in the order SSID, key, confirmation; kNone when it passes.
// The SSID: 1 to 32 characters, none above U+0100, with an exact ANSI form of at most 32 bytes. The
// key: 8 to 63 printable ASCII characters (U+0020 to U+007E), or 64 hexadecimal digits. The
// confirmation: the key exactly, case included.
ApInputFault ValidateApInput(std::u16string_view ssid, std::u16string_view key,
                             std::u16string_view confirmation, AnsiCodePage& codePage);

// Why a name breaks the name rule, when it does.
enum class SsidFault { kNone, kEmpty, kNoExactAnsiForm, kTooLong };

// The name rule alone: the name reaches the WLAN service in the system's ANSI code page, so it must have
// an exact form there (no character above U+0100 either) that fits the 32-byte SSID field, or the
// network would carry another name than the one typed.
SsidFault CheckSsid(std::u16string_view ssid, AnsiCodePage& codePage);

// `fault` must not be kNone.
ApInputMessage MessageFor(ApInputFault fault);

// The key rule alone: 8 to 63 printable ASCII characters (U+0020 to U+007E), or 64 hexadecimal digits;
// nothing longer.
bool IsValidKey(std::u16string_view key);

// Whether a name and key that did not come through ValidateApInput (DuvaDI.ini is edited by hand) can
// be used as they are: they pass ValidateApInput.
bool IsUsableStoredApInput(std::u16string_view ssid, std::u16string_view key, AnsiCodePage& codePage);

}  // namespace aerowisp
