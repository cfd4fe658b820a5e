// Texts from the program's string table.
#pragma once

#include <string>

namespace aerowisp {

std::wstring LoadResourceString(unsigned id);

}  // namespace aerowisp
