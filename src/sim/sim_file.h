// Files of the simulated machine's own (the scenario it reads, the journal it writes) through C stdio,
// which keeps the program free of the C++ stream and file-system libraries.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace aerowisp {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// `mode` as for fopen; the path is UTF-16 text (a wide path on Windows, UTF-8 elsewhere).
UniqueFile OpenFile(std::u16string_view path, const char* mode);

// The whole file's bytes; nothing when it cannot be opened or read (a folder, for one).
std::optional<std::string> ReadWholeFile(std::u16string_view path);

}  // namespace aerowisp
