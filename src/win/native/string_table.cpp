// Reads string-table entries of the running module.
#include "native/string_table.h"

#include <windows.h>

namespace aerowisp {

std::wstring LoadResourceString(unsigned id) {
    const wchar_t* text = nullptr;
    // With a zero buffer size LoadStringW hands back a read-only pointer into the resource.
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text != nullptr ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

}  // namespace aerowisp
