// hold_file.exe PATH read|none MARKER: opens PATH for writing as an editor or a backup tool would, sharing
// it for reading only or not at all, creates MARKER.held once it holds it, and lets go when MARKER appears.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc != 4)
        return 2;
    const DWORD share = std::wstring(argv[2]) == L"read" ? FILE_SHARE_READ : 0;
    const HANDLE file =
        ::CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    const std::wstring marker = argv[3];
    const HANDLE held =
        ::CreateFileW((marker + L".held").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (held != INVALID_HANDLE_VALUE)
        ::CloseHandle(held);
    // Bounded: a test that never lets go does not leave the file held for ever.
    for (int tick = 0; tick < 1200 && ::GetFileAttributesW(marker.c_str()) == INVALID_FILE_ATTRIBUTES; ++tick)
        ::Sleep(50);
    ::CloseHandle(file);
    return 0;
}
