// Files held in memory for the FileReader port, handing out their bytes in chunks of a chosen size so
// that readers meet every way a read can end.
#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/file_reader.h"

namespace aerowisp::test {

class MemoryFileReader final : public FileReader {
  public:
    // Each Read hands out at most `chunkBytes` bytes (0: as many as asked for).
    explicit MemoryFileReader(size_t chunkBytes = 0) : chunkBytes_(chunkBytes) {}

    void SetFile(const std::u16string& path, std::string bytes) { files_[path] = std::move(bytes); }
    void RemoveFile(const std::u16string& path) { files_.erase(path); }
    // Every path Open was asked for, in order.
    const std::vector<std::u16string>& Opened() const { return opened_; }

    std::unique_ptr<ReadableFile> Open(const std::u16string& path) override {
        opened_.push_back(path);
        auto found = files_.find(path);
        if (found == files_.end())
            return nullptr;
        return std::make_unique<File>(found->second, chunkBytes_);
    }

  private:
    // A snapshot of the bytes at opening time, as an open file keeps reading what it opened.
    class File final : public ReadableFile {
      public:
        File(std::string bytes, size_t chunkBytes) : bytes_(std::move(bytes)), chunkBytes_(chunkBytes) {}

        size_t Read(std::span<char> buffer) override {
            size_t count = std::min(buffer.size(), bytes_.size() - position_);
            if (chunkBytes_ != 0)
                count = std::min(count, chunkBytes_);
            std::memcpy(buffer.data(), bytes_.data() + position_, count);
            position_ += count;
            return count;
        }

      private:
        std::string bytes_;
        size_t chunkBytes_;
        size_t position_ = 0;
    };

    size_t chunkBytes_;
    std::map<std::u16string, std::string> files_;
    std::vector<std::u16string> opened_;
};

}  // namespace aerowisp::test
