// DhcpServer.exe's files beside it: reading whole files, replacing one atomically, and the rotated log.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "dhcp/core/server.h"

namespace aerowisp::dhcp {

// The executable's folder with its trailing backslash.
std::wstring ExeFolder();

struct FileRead {
    enum class Status {
        kRead,
        kMissing,
        kTooLarge,
        // Present but not readable now: another program holds it without sharing it, access is denied,
        // or a read failed. It may be readable later.
        kUnreadable,
    };
    Status status = Status::kMissing;
    std::string bytes;
    DWORD error = 0;
};

// The whole file, read alongside any other program that shares it for reading, also one that writes it.
FileRead ReadWholeFile(const std::wstring& path, size_t maxBytes);

// "error N: the system's text" for the log.
std::string DescribeError(DWORD error);

// Writes `bytes` to PATH.tmp, flushes it to the disk and moves it over PATH, so that PATH always holds
// either the old or the new contents.
bool ReplaceFile(const std::wstring& path, const std::string& bytes);

// Lines with their local time, kept in memory until Flush(); when the file would grow past kMaxBytes it
// becomes PATH.1 (replacing the older one) and a new file starts.
class RotatingLog final : public EventLog {
  public:
    static constexpr uint64_t kMaxBytes = 256 * 1024;

    explicit RotatingLog(std::wstring path);
    ~RotatingLog() override;

    void Write(const std::string& line) override;
    void Flush();
    bool HasPending() const { return !m_pending.empty(); }

  private:
    std::wstring m_path;
    std::string m_pending;
    uint64_t m_fileBytes = 0;
    uint64_t m_stampSecond = 0;
    std::string m_stamp;
};

}  // namespace aerowisp::dhcp
