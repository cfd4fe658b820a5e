// wndctl: finds a top-level window by its exact title and waits for it, closes it, or works and lists its
// controls. Runs inside the same Wine desktop as the program, so FindWindowW sees the program's windows.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <iterator>
#include <string>

#include "app/machine_event.h"
#include "base/handle.h"

namespace {

constexpr DWORD kPollMilliseconds = 100;
constexpr DWORD kDefaultTimeoutMilliseconds = 30000;

int Usage() {
    std::fwprintf(
        stderr,
        L"usage: wndctl wait TITLE [TIMEOUT_MS]   wait until the window is visible\n"
        L"       wndctl gone TITLE [TIMEOUT_MS]   wait until no such window exists\n"
        L"       wndctl close TITLE               post WM_CLOSE\n"
        L"       wndctl sysclose TITLE            send WM_SYSCOMMAND SC_CLOSE, as the program closes\n"
        L"                                        DhcpServer.exe\n"
        L"       wndctl command TITLE ID          post WM_COMMAND ID\n"
        L"       wndctl click TITLE ID            press button ID, also one on a shown page\n"
        L"       wndctl text TITLE ID             print the control's text\n"
        L"       wndctl settext TITLE ID TEXT     set the control's text (WM_SETTEXT)\n"
        L"       wndctl rows TITLE ID             one line per row of list view ID: its column texts,\n"
        L"                                        separated by tabs\n"
        L"       wndctl clickrow TITLE ID ROW     click the middle of row ROW of list view ID with the left\n"
        L"                                        mouse button, so the list itself notifies its parent\n"
        L"       wndctl select TITLE ID ROW       select row ROW of list view ID alone (-1: none)\n"
        L"       wndctl enabled TITLE ID          print 1 or 0\n"
        L"       wndctl visible TITLE [ID]        print 1 or 0\n"
        L"       wndctl exists TITLE [TIMEOUT_MS] wait until the window exists, shown or not, and answers\n"
        L"       wndctl answers TITLE [TIMEOUT_MS] succeed when the window answers a sent WM_NULL within "
        L"the\n"
        L"                                        time (default 1000 ms); print how long it took\n"
        L"       wndctl show TITLE                show the window (SW_SHOWNORMAL)\n"
        L"       wndctl controls TITLE [ID]       one line per child window of the window (or of its\n"
        L"                                        child ID): id visible enabled left top width height\n"
        L"                                        (in the window's client area) and text\n"
        L"       wndctl rect TITLE                the window's left top width height on the screen\n"
        L"       wndctl event TITLE WHAT          a simulated machine's event, sent to the window and\n"
        L"                                        handled before wndctl returns: remove, insert (the\n"
        L"                                        first card), suspend, resume, join (a station joins\n"
        L"                                        the hosted network) or leave (the last one leaves)\n"
        L"       wndctl message TITLE [TIMEOUT_MS] wait for a message box titled TITLE (a window of that\n"
        L"                                        title with an owner) and print its text\n"
        L"       wndctl answer TITLE              press OK in that message box and wait until it is gone\n");
    return 2;
}

DWORD TimeoutArgument(int argc, wchar_t** argv) {
    return argc > 3 ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : kDefaultTimeoutMilliseconds;
}

enum class Awaited { kVisible, kAnswering, kGone };

// A window answers once its thread takes sent messages again, which a dialog's thread does after its
// initialisation.
bool Answers(HWND window, DWORD timeout) {
    DWORD_PTR ignored = 0;
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeout, &ignored) != 0;
}

// Asks `done` every kPollMilliseconds until it holds, at least once and for `timeout` at the most.
template <typename Done>
bool PollUntil(DWORD timeout, Done done) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start >= timeout)
            return false;
        ::Sleep(kPollMilliseconds);
    }
    return true;
}

bool WaitFor(const wchar_t* title, DWORD timeout, Awaited awaited) {
    return PollUntil(timeout, [&] {
        HWND window = ::FindWindowW(nullptr, title);
        switch (awaited) {
            case Awaited::kVisible:
                return window != nullptr && ::IsWindowVisible(window);
            case Awaited::kAnswering:
                return window != nullptr && Answers(window, timeout);
            case Awaited::kGone:
                return window == nullptr;
        }
        return false;
    });
}

constexpr int kTextBufferLength = 1024;
// WM_GETTEXT rather than GetWindowTextW, which for another process's window gives only the text the window
// was created with, not what an edit control holds now.
std::wstring TextOf(HWND window) {
    wchar_t buffer[kTextBufferLength] = L"";
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, kTextBufferLength, reinterpret_cast<LPARAM>(buffer),
                          SMTO_ABORTIFHUNG, kDefaultTimeoutMilliseconds, &ignored);
    return buffer;
}

// Texts are printed on one line: line breaks become spaces.
std::wstring OneLine(std::wstring text) {
    for (wchar_t& c : text) {
        if (c == L'\r' || c == L'\n')
            c = L' ';
    }
    return text;
}

struct ControlSearch {
    int id = 0;
    HWND found = nullptr;
};

BOOL CALLBACK MatchShownControl(HWND child, LPARAM parameter) {
    auto* search = reinterpret_cast<ControlSearch*>(parameter);
    if (::GetDlgCtrlID(child) != search->id || !::IsWindowVisible(child))
        return TRUE;
    search->found = child;
    return FALSE;
}

// The window's control `id`, or else the first shown control with that identifier on one of its child
// dialogs, such as the buttons of the main window's content pages.
HWND FindControl(HWND window, int id) {
    if (HWND control = ::GetDlgItem(window, id))
        return control;
    ControlSearch search{id};
    ::EnumChildWindows(window, MatchShownControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A push button reports a click to its parent as WM_COMMAND with BN_CLICKED, which is sent here directly:
// BM_CLICK goes through the button's own press, mouse capture and release, and a focus or activation
// change in between (a busy machine) cancels the capture and loses the click. Other kinds of button still
// get BM_CLICK, which also changes their state. Either way the call returns once the click is handled.
void Click(HWND control) {
    wchar_t className[16] = L"";
    ::GetClassNameW(control, className, static_cast<int>(std::size(className)));
    const LONG_PTR type = ::GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    const bool pushButton = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
    if (::_wcsicmp(className, L"Button") == 0 && pushButton && ::IsWindowEnabled(control)) {
        ::SendMessageW(::GetParent(control), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control), BN_CLICKED),
                       reinterpret_cast<LPARAM>(control));
        return;
    }
    ::SendMessageW(control, BM_CLICK, 0, 0);
}

// Memory in the process of another window, for the records its messages point to.
class RemoteMemory {
  public:
    RemoteMemory(HWND window, SIZE_T size) {
        DWORD processId = 0;
        ::GetWindowThreadProcessId(window, &processId);
        process_.Reset(
            ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
        if (process_)
            address_ = ::VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteMemory() {
        if (address_ != nullptr)
            ::VirtualFreeEx(process_.Get(), address_, 0, MEM_RELEASE);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    bool Write(const void* data, SIZE_T size) const {
        return address_ != nullptr && ::WriteProcessMemory(process_.Get(), address_, data, size, nullptr);
    }
    bool Read(SIZE_T offset, void* data, SIZE_T size) const {
        return address_ != nullptr &&
               ::ReadProcessMemory(process_.Get(), static_cast<BYTE*>(address_) + offset, data, size,
                                   nullptr);
    }
    LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }

  private:
    base::KernelHandle process_;
    void* address_ = nullptr;
};

// The list view belongs to another process: the item record and its text buffer are placed in that
// process's memory for LVM_GETITEMTEXTW.
void PrintRows(HWND list) {
    const RemoteMemory remote(list, sizeof(LVITEMW) + kTextBufferLength * sizeof(wchar_t));
    HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns =
        header != nullptr ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    const int rows = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        std::wstring line;
        for (int column = 0; column < columns; ++column) {
            LVITEMW item{};
            item.iSubItem = column;
            item.cchTextMax = kTextBufferLength;
            item.pszText = reinterpret_cast<wchar_t*>(remote.Address() + sizeof(LVITEMW));
            wchar_t text[kTextBufferLength] = L"";
            if (remote.Write(&item, sizeof(item))) {
                ::SendMessageW(list, LVM_GETITEMTEXTW, row, remote.Address());
                remote.Read(sizeof(LVITEMW), text, sizeof(text));
            }
            text[kTextBufferLength - 1] = L'\0';
            line += (column == 0 ? L"" : L"\t") + std::wstring(text);
        }
        std::wprintf(L"%ls\n", line.c_str());
    }
}

// A click as the mouse makes it, posted to the list view: a list view only notifies its own parent of a
// click, and notifications sent from another process do not arrive. The row's rectangle is read through the
// list's process memory for LVM_GETITEMRECT.
bool ClickRow(HWND list, int row) {
    const RemoteMemory remote(list, sizeof(RECT));
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    if (!remote.Write(&rect, sizeof(rect)) || !::SendMessageW(list, LVM_GETITEMRECT, row, remote.Address()) ||
        !remote.Read(0, &rect, sizeof(rect)))
        return false;
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return ::PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point) &&
           ::PostMessageW(list, WM_LBUTTONUP, 0, point);
}

void PrintControls(HWND window, HWND parent) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        // The control's own visibility, also while the window itself is hidden.
        const bool visible = (::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0;
        std::wprintf(L"%d %d %d %ld %ld %ld %ld %ls\n", ::GetDlgCtrlID(child), visible ? 1 : 0,
                     ::IsWindowEnabled(child) ? 1 : 0, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, OneLine(TextOf(child)).c_str());
    }
}

// A message box: a visible top-level window titled `title` that has an owner. The program's main window
// may carry the same title, but it has none.
HWND FindMessageBox(const wchar_t* title) {
    for (HWND window = ::FindWindowExW(nullptr, nullptr, nullptr, title); window != nullptr;
         window = ::FindWindowExW(nullptr, window, nullptr, title)) {
        if (::GetWindow(window, GW_OWNER) != nullptr && ::IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

// The texts of the box's statics, joined by spaces, in one line.
std::wstring MessageText(HWND box) {
    std::wstring text;
    for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = L"";
        ::GetClassNameW(child, className, 16);
        const std::wstring part = OneLine(TextOf(child));
        if (::_wcsicmp(className, L"Static") != 0 || part.empty())
            continue;
        text += (text.empty() ? L"" : L" ") + part;
    }
    return text;
}

// Clears the selection of every row, then selects and focuses `row` (none when negative); the item record
// lives in the list's process, as LVM_SETITEMSTATE reads it there.
bool SelectRow(HWND list, int row) {
    const RemoteMemory remote(list, sizeof(LVITEMW));
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    if (!remote.Write(&item, sizeof(item)))
        return false;
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), remote.Address());
    if (row < 0)
        return true;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    return remote.Write(&item, sizeof(item)) &&
           ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), remote.Address()) != 0;
}

// "message" waits for the box; "answer" looks once.
int MessageCommand(const std::wstring& verb, const wchar_t* title, DWORD timeout) {
    HWND box = nullptr;
    if (!PollUntil(verb == L"message" ? timeout : 0,
                   [&] { return (box = FindMessageBox(title)) != nullptr; })) {
        std::fwprintf(stderr, L"wndctl: no message box titled \"%ls\"\n", title);
        return 1;
    }
    // The box has its owner's caption: it is waited out, so the next command finds the owner, not the box.
    if (verb == L"answer")
        return ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0) &&
                       PollUntil(kDefaultTimeoutMilliseconds, [&] { return !::IsWindow(box); })
                   ? 0
                   : 1;
    std::wprintf(L"%ls\n", MessageText(box).c_str());
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3)
        return Usage();
    const std::wstring verb = argv[1];
    const wchar_t* title = argv[2];
    if (verb == L"wait")
        return WaitFor(title, TimeoutArgument(argc, argv), Awaited::kVisible) ? 0 : 1;
    if (verb == L"exists")
        return WaitFor(title, TimeoutArgument(argc, argv), Awaited::kAnswering) ? 0 : 1;
    if (verb == L"gone")
        return WaitFor(title, TimeoutArgument(argc, argv), Awaited::kGone) ? 0 : 1;
    if (verb == L"message" || verb == L"answer")
        return MessageCommand(verb, title, TimeoutArgument(argc, argv));

    HWND window = ::FindWindowW(nullptr, title);
    if (window == nullptr) {
        std::fwprintf(stderr, L"wndctl: no window titled \"%ls\"\n", title);
        return 1;
    }
    if (verb == L"event" && argc == 4) {
        const struct {
            const wchar_t* name;
            aerowisp::MachineEvent event;
        } events[] = {{L"remove", aerowisp::MachineEvent::kCardRemoved},
                      {L"insert", aerowisp::MachineEvent::kCardInserted},
                      {L"suspend", aerowisp::MachineEvent::kSuspend},
                      {L"resume", aerowisp::MachineEvent::kResume},
                      {L"join", aerowisp::MachineEvent::kStationJoined},
                      {L"leave", aerowisp::MachineEvent::kStationLeft}};
        const UINT message = ::RegisterWindowMessageW(aerowisp::kMachineEventMessage);
        for (const auto& known : events) {
            if (std::wcscmp(argv[3], known.name) == 0) {
                ::SendMessageW(window, message, static_cast<WPARAM>(known.event), 0);
                return 0;
            }
        }
        return Usage();
    }
    if (verb == L"answers") {
        constexpr DWORD kAnswerTimeoutMilliseconds = 1000;
        const DWORD timeout = argc > 3 ? TimeoutArgument(argc, argv) : kAnswerTimeoutMilliseconds;
        const DWORD start = ::GetTickCount();
        DWORD_PTR answer = 0;
        const bool answered =
            ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeout, &answer) != 0;
        std::wprintf(L"%lu\n", ::GetTickCount() - start);
        return answered ? 0 : 1;
    }
    if (verb == L"close")
        return ::PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    if (verb == L"sysclose") {
        ::SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    if (verb == L"show") {
        ::ShowWindow(window, SW_SHOWNORMAL);
        return 0;
    }
    if (verb == L"rect") {
        RECT rect{};
        ::GetWindowRect(window, &rect);
        std::wprintf(L"%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top);
        return 0;
    }
    if (verb == L"controls" && argc == 3) {
        PrintControls(window, window);
        return 0;
    }
    if (verb == L"visible" && argc == 3) {
        std::wprintf(L"%d\n", ::IsWindowVisible(window) ? 1 : 0);
        return 0;
    }
    if (argc < 4)
        return Usage();
    const int id = static_cast<int>(std::wcstol(argv[3], nullptr, 10));
    if (verb == L"command")
        return ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0) ? 0 : 1;
    HWND control = FindControl(window, id);
    if (control == nullptr) {
        std::fwprintf(stderr, L"wndctl: window \"%ls\" has no control %d\n", title, id);
        return 1;
    }
    if (verb == L"click") {
        Click(control);
        return 0;
    }
    if (verb == L"settext" && argc == 5) {
        ::SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
        return 0;
    }
    if (verb == L"clickrow" && argc == 5)
        return ClickRow(control, static_cast<int>(std::wcstol(argv[4], nullptr, 10))) ? 0 : 1;
    if (verb == L"select" && argc == 5)
        return SelectRow(control, static_cast<int>(std::wcstol(argv[4], nullptr, 10))) ? 0 : 1;
    if (verb == L"rows") {
        PrintRows(control);
        return 0;
    }
    if (verb == L"text") {
        std::wprintf(L"%ls\n", TextOf(control).c_str());
        return 0;
    }
    if (verb == L"enabled") {
        std::wprintf(L"%d\n", ::IsWindowEnabled(control) ? 1 : 0);
        return 0;
    }
    if (verb == L"controls") {
        PrintControls(window, control);
        return 0;
    }
    if (verb == L"visible") {
        std::wprintf(L"%d\n", ::IsWindowVisible(control) ? 1 : 0);
        return 0;
    }
    return Usage();
}
