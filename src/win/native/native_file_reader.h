// The FileReader of the real machine: the C runtime's binary streams opened with a wide path.
#pragma once

#include "core/platform/file_reader.h"

namespace aerowisp {

class NativeFileReader final : public FileReader {
  public:
    // _wfopen(path, L"rb"); null when the file cannot be opened.
    std::unique_ptr<ReadableFile> Open(const std::u16string& path) override;
};

}  // namespace aerowisp
