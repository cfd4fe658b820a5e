// NativeFileReader over _wfopen, fread and fclose.
#include "native/native_file_reader.h"

#include <cstdio>

#include "fw/wide_text.h"

namespace aerowisp {
namespace {

struct StreamCloser {
    void operator()(FILE* stream) const { std::fclose(stream); }
};

class NativeFile final : public ReadableFile {
  public:
    explicit NativeFile(FILE* stream) : stream_(stream) {}

    size_t Read(std::span<char> buffer) override {
        return std::fread(buffer.data(), 1, buffer.size(), stream_.get());
    }

  private:
    std::unique_ptr<FILE, StreamCloser> stream_;
};

}  // namespace

std::unique_ptr<ReadableFile> NativeFileReader::Open(const std::u16string& path) {
    FILE* stream = _wfopen(fw::ToWide(path).c_str(), L"rb");
    if (stream == nullptr)
        return nullptr;
    return std::make_unique<NativeFile>(stream);
}

}  // namespace aerowisp
