// Port: reading a file's bytes as they are, front to back, the way the C runtime's "rb" streams do.
// Implementations: NativeFileReader (src/win/native, _wfopen and fread), MemoryFileReader
// (tests/core/support, files held in memory).
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>

namespace aerowisp {

// One open file; closed when the object goes away.
class ReadableFile {
  public:
    virtual ~ReadableFile() = default;

    // Fills the front of `buffer` with the next bytes of the file and returns how many; 0 at the end of
    // the file or on a read error. Fewer bytes than asked for do not mean the end.
    virtual size_t Read(std::span<char> buffer) = 0;
};

class FileReader {
  public:
    virtual ~FileReader() = default;

    // Opens `path` for reading without text translation; null when that fails.
    virtual std::unique_ptr<ReadableFile> Open(const std::u16string& path) = 0;
};

}  // namespace aerowisp
