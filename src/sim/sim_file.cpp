// Whole-file reads and opening by a UTF-16 path with C stdio.
#include "sim/sim_file.h"

#include "core/text/utf16_text.h"

namespace aerowisp {

UniqueFile OpenFile(std::u16string_view path, const char* mode) {
#ifdef _WIN32
    const std::wstring widePath(path.begin(), path.end());
    const std::string narrowMode(mode);
    const std::wstring wideMode(narrowMode.begin(), narrowMode.end());
    return UniqueFile(::_wfopen(widePath.c_str(), wideMode.c_str()));
#else
    return UniqueFile(std::fopen(Utf16ToUtf8(path).c_str(), mode));
#endif
}

std::optional<std::string> ReadWholeFile(std::u16string_view path) {
    const UniqueFile file = OpenFile(path, "rb");
    if (!file)
        return std::nullopt;
    std::string text;
    char buffer[4096];
    for (size_t read; (read = std::fread(buffer, 1, sizeof(buffer), file.get())) > 0;)
        text.append(buffer, read);
    if (std::ferror(file.get()))
        return std::nullopt;
    return text;
}

}  // namespace aerowisp
