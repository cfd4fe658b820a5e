// NativeInstanceHost over the kernel's named objects, COM and the string table.
#include "native/native_instance_host.h"

#include <windows.h>
#include <objbase.h>

#include <utility>

#include "fw/module_resources.h"
#include "fw/wide_text.h"

namespace aerowisp {

NativeInstanceHost::NativeInstanceHost(std::function<void()> runMainWindow)
    : m_runMainWindow(std::move(runMainWindow)) {}

NativeInstanceHost::~NativeInstanceHost() {
    CoUninitialize();
}

void NativeInstanceHost::EnterComApartment() {
    if (m_inComApartment)
        return;
    // S_FALSE (already initialised on this thread) also needs its CoUninitialize.
    m_inComApartment = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

MutexCreation NativeInstanceHost::CreateInstanceMutex(std::u16string_view name) {
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, fw::ToWide(name).c_str());
    const DWORD error = ::GetLastError();
    if (mutex == nullptr)
        return MutexCreation::kFailed;
    m_mutex.Reset(mutex);
    return error == ERROR_ALREADY_EXISTS ? MutexCreation::kAlreadyExists : MutexCreation::kCreated;
}

void NativeInstanceHost::CloseInstanceMutex() {
    m_mutex.Reset();
}

bool NativeInstanceHost::OpenCompanionEvent(std::u16string_view name) {
    m_companionEvent.Reset(::OpenEventW(EVENT_ALL_ACCESS, TRUE, fw::ToWide(name).c_str()));
    return static_cast<bool>(m_companionEvent);
}

void NativeInstanceHost::CloseCompanionEvent() {
    m_companionEvent.Reset();
}

std::u16string NativeInstanceHost::LoadStringResource(uint32_t id) {
    return fw::FromWide(fw::LoadResourceString(id));
}

void NativeInstanceHost::CoUninitialize() {
    if (!m_inComApartment)
        return;
    m_inComApartment = false;
    ::CoUninitialize();
}

void NativeInstanceHost::RunMainWindow() {
    if (m_runMainWindow)
        m_runMainWindow();
}

void NativeInstanceHost::ReleaseInstanceMutex() {
    if (m_mutex)
        ::ReleaseMutex(m_mutex.Get());
}

}  // namespace aerowisp
