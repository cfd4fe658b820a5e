// The real machine's file reader lets another program move a file aside while it reads it, as the DHCP
// server does with a lease file it cannot use.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "fw/wide_text.h"
#include "native/native_file_reader.h"

namespace aerowisp {
namespace {

TEST(NativeFileReader, AFileBeingReadCanBeMovedAside) {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_NE(0u, ::GetTempPathW(MAX_PATH, temp));
    const std::wstring path =
        std::wstring(temp) + L"aerowisp-reader-" + std::to_wstring(::GetCurrentProcessId());
    std::ofstream(std::filesystem::path(path), std::ios::binary) << "old lease\r\n";
    NativeFileReader files;
    auto reading = files.Open(fw::FromWide(path));
    ASSERT_NE(reading, nullptr);
    EXPECT_TRUE(::MoveFileExW(path.c_str(), (path + L".bad").c_str(), MOVEFILE_REPLACE_EXISTING))
        << "error " << ::GetLastError();
    char text[32] = "";
    EXPECT_EQ(std::string(text, reading->Read(text)), "old lease\r\n") << "what was opened reads on";
    reading.reset();
    EXPECT_EQ(files.Open(fw::FromWide(path)), nullptr);
    ::DeleteFileW((path + L".bad").c_str());
}

}  // namespace
}  // namespace aerowisp
