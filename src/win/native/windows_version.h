// Reads the two values of the Windows version the start-up check looks at.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "core/app/startup.h"

namespace aerowisp {

// Opens HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion with the access asked for into
// the key given; the registry's answer.
using VersionKeyOpener = std::function<LSTATUS(REGSAM access, HKEY* key)>;

// The key opened for all access, as the check has always asked, else (a standard user's token, a locked
// down machine) for reading, which is all the check needs; the 64-bit view both times. "ProductName"
// and "CurrentVersion" read as ANSI text into 100-byte buffers. Nothing when the key cannot be opened;
// a value that is missing, not text or too long for its buffer is given as empty.
std::optional<WindowsVersionValues> ReadWindowsVersionValues();
std::optional<WindowsVersionValues> ReadWindowsVersionValues(const VersionKeyOpener& open);

}  // namespace aerowisp
