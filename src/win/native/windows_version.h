// Reads the two values of the Windows version the start-up check looks at.
#pragma once

#include <optional>

#include "core/app/startup.h"

namespace aerowisp {

// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion opened for all access, "ProductName"
// and "CurrentVersion" read as ANSI text into 100-byte buffers. Nothing when the key cannot be opened;
// a value that is missing, not text or too long for its buffer is given as empty.
std::optional<WindowsVersionValues> ReadWindowsVersionValues();

}  // namespace aerowisp
