// Texts from the string table of the running program.
#pragma once

#include <string>

namespace aerowisp {

// LoadStringW from the program's own module; empty when the string is missing.
std::wstring LoadResourceString(unsigned id);

}  // namespace aerowisp
