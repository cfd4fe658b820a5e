// ReadWindowsVersionValues over the ANSI registry functions.
#include "native/windows_version.h"

#include <windows.h>

#include <array>

#include "base/handle.h"

namespace aerowisp {
namespace {

constexpr char kVersionKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kProductNameValue[] = "ProductName";
constexpr char kCurrentVersionValue[] = "CurrentVersion";

// The bytes stored, without the terminating zero the registry keeps with them.
std::string ReadAnsiText(HKEY key, const char* name) {
    std::array<BYTE, kVersionValueBufferBytes> buffer{};
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(buffer.size());
    if (::RegQueryValueExA(key, name, nullptr, &type, buffer.data(), &size) != ERROR_SUCCESS)
        return {};
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || size > buffer.size())
        return {};
    std::string text(reinterpret_cast<const char*>(buffer.data()), size);
    if (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

}  // namespace

std::optional<WindowsVersionValues> ReadWindowsVersionValues() {
    return ReadWindowsVersionValues([](REGSAM access, HKEY* key) {
        return ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVersionKey, 0, access, key);
    });
}

std::optional<WindowsVersionValues> ReadWindowsVersionValues(const VersionKeyOpener& open) {
    // The 64-bit view also from a 32-bit program on 64-bit Windows: the system's own values.
    constexpr std::array<REGSAM, 2> kAccessTried{KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                                                 KEY_READ | KEY_WOW64_64KEY};
    base::RegistryKey key;
    for (const REGSAM access : kAccessTried) {
        if (open(access, key.Receive()) == ERROR_SUCCESS)
            return WindowsVersionValues{ReadAnsiText(key.Get(), kProductNameValue),
                                        ReadAnsiText(key.Get(), kCurrentVersionValue)};
    }
    return std::nullopt;
}

}  // namespace aerowisp
