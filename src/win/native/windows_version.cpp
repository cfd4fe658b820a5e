// ReadWindowsVersionValues over the ANSI registry functions.
#include "native/windows_version.h"

#include <windows.h>

#include <array>

namespace aerowisp {
namespace {

constexpr char kVersionKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kProductNameValue[] = "ProductName";
constexpr char kCurrentVersionValue[] = "CurrentVersion";

// Closes the key when the read is done.
class AnsiRegKey {
  public:
    AnsiRegKey() = default;
    ~AnsiRegKey() {
        if (m_key != nullptr)
            ::RegCloseKey(m_key);
    }
    AnsiRegKey(const AnsiRegKey&) = delete;
    AnsiRegKey& operator=(const AnsiRegKey&) = delete;

    bool Open(HKEY parent, const char* subkey, REGSAM access) {
        return ::RegOpenKeyExA(parent, subkey, 0, access, &m_key) == ERROR_SUCCESS;
    }
    HKEY Get() const { return m_key; }

  private:
    HKEY m_key = nullptr;
};

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
    AnsiRegKey key;
    if (!key.Open(HKEY_LOCAL_MACHINE, kVersionKey, KEY_ALL_ACCESS))
        return std::nullopt;
    return WindowsVersionValues{ReadAnsiText(key.Get(), kProductNameValue),
                                ReadAnsiText(key.Get(), kCurrentVersionValue)};
}

}  // namespace aerowisp
