// The FileReader of the real machine: files opened with a wide path and read as they are.
#pragma once

#include "core/platform/file_reader.h"

namespace aerowisp {

class NativeFileReader final : public FileReader {
  public:
    // CreateFileW for reading, letting others read, write, rename and delete the file meanwhile; null
    // when the file cannot be opened.
    std::unique_ptr<ReadableFile> Open(const std::u16string& path) override;
};

}  // namespace aerowisp
