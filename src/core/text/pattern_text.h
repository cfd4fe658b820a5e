// Language-file sentences with "%s" places filled in.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace aerowisp {

// `pattern` with its first "%s" replaced by the first value, its second by the second, and so on.
// Nothing else in it is read, so a translation with other '%' signs or fewer "%s" shows as it is
// written (values without a place are left out).
std::u16string FillPattern(std::u16string_view pattern, std::initializer_list<std::u16string_view> values);

}  // namespace aerowisp
