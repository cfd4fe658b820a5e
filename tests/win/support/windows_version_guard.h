// Puts chosen Windows version values into the registry for one test and restores the real ones after.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace aerowisp::test {

inline constexpr char kWindowsVersionKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

class WindowsVersionGuard {
  public:
    WindowsVersionGuard() : m_productName(Save("ProductName")), m_currentVersion(Save("CurrentVersion")) {}
    ~WindowsVersionGuard() {
        Restore("ProductName", m_productName);
        Restore("CurrentVersion", m_currentVersion);
    }
    WindowsVersionGuard(const WindowsVersionGuard&) = delete;
    WindowsVersionGuard& operator=(const WindowsVersionGuard&) = delete;

    // Nothing: the value is removed.
    static bool Set(const char* name, const std::optional<std::string>& text, DWORD type = REG_SZ) {
        if (!text)
            return ::RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kWindowsVersionKey, name) == ERROR_SUCCESS;
        return ::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kWindowsVersionKey, name, type, text->c_str(),
                                 static_cast<DWORD>(text->size() + 1)) == ERROR_SUCCESS;
    }
    static bool SetDword(const char* name, DWORD value) {
        return ::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kWindowsVersionKey, name, REG_DWORD, &value,
                                 sizeof(value)) == ERROR_SUCCESS;
    }

  private:
    struct Saved {
        bool present = false;
        DWORD type = REG_NONE;
        std::vector<BYTE> data;
    };

    static Saved Save(const char* name) {
        Saved saved;
        DWORD size = 0;
        if (::RegGetValueA(HKEY_LOCAL_MACHINE, kWindowsVersionKey, name, RRF_RT_ANY | RRF_NOEXPAND,
                           &saved.type, nullptr, &size) != ERROR_SUCCESS)
            return saved;
        saved.data.resize(size);
        saved.present =
            ::RegGetValueA(HKEY_LOCAL_MACHINE, kWindowsVersionKey, name, RRF_RT_ANY | RRF_NOEXPAND,
                           &saved.type, saved.data.data(), &size) == ERROR_SUCCESS;
        saved.data.resize(size);
        return saved;
    }

    static void Restore(const char* name, const Saved& saved) {
        if (!saved.present) {
            ::RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kWindowsVersionKey, name);
            return;
        }
        ::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kWindowsVersionKey, name, saved.type, saved.data.data(),
                          static_cast<DWORD>(saved.data.size()));
    }

    Saved m_productName;
    Saved m_currentVersion;
};

}  // namespace aerowisp::test
