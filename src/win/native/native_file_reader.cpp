// NativeFileReader over CreateFileW and ReadFile.
#include "native/native_file_reader.h"

#include <windows.h>

#include <algorithm>

#include "base/handle.h"
#include "fw/wide_text.h"

namespace aerowisp {
namespace {

class NativeFile final : public ReadableFile {
  public:
    explicit NativeFile(base::KernelHandle file) : file_(std::move(file)) {}

    size_t Read(std::span<char> buffer) override {
        DWORD read = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<size_t>(buffer.size(), MAXDWORD));
        if (!::ReadFile(file_.Get(), buffer.data(), wanted, &read, nullptr))
            return 0;
        return read;
    }

  private:
    base::KernelHandle file_;
};

}  // namespace

// Another program may move aside or delete a file this one reads (the DHCP server sets a lease file it
// cannot use aside): a reader that shut deletion out would make that fail. Moving a new file over one
// that is open fails on Windows 7 whatever the sharing, so files are held open only while read.
std::unique_ptr<ReadableFile> NativeFileReader::Open(const std::u16string& path) {
    base::KernelHandle file(::CreateFileW(fw::ToWide(path).c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return nullptr;
    return std::make_unique<NativeFile>(std::move(file));
}

}  // namespace aerowisp
