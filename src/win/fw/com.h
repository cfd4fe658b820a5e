// Owners of COM objects and of the values COM hands out: an interface pointer released once, a VARIANT
// cleared and a BSTR freed when their owner goes away.
#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

#include "fw/wide_text.h"

namespace fw {

// One reference to an interface; movable, never copied.
template <typename Interface>
class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    void Reset() {
        if (Interface* pointer = std::exchange(pointer_, nullptr))
            pointer->Release();
    }
    // Releases what is held and gives the address a call stores its new reference at.
    Interface** Receive() {
        Reset();
        return &pointer_;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }

    // QueryInterface for `Other`, identified by `iid`; empty when the object does not have it.
    template <typename Other>
    ComPtr<Other> As(REFIID iid) const {
        ComPtr<Other> other;
        if (pointer_ != nullptr && FAILED(pointer_->QueryInterface(iid, other.ReceiveVoid())))
            other.Reset();
        return other;
    }

  private:
    Interface* pointer_ = nullptr;
};

// A VARIANT, initialised on construction and cleared (releasing what it holds) on destruction and
// before each reuse.
class Variant {
  public:
    Variant() { ::VariantInit(&value_); }
    ~Variant() { ::VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    const VARIANT& Get() const { return value_; }
    VARIANT* Receive() {
        ::VariantClear(&value_);
        return &value_;
    }

  private:
    VARIANT value_;
};

// A BSTR a getter hands out, freed on destruction. A NULL BSTR reads as empty text.
class Bstr {
  public:
    Bstr() = default;
    // A copy of `text` to hand to a call that takes a BSTR.
    explicit Bstr(std::wstring_view text)
        : value_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~Bstr() { ::SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR* Receive() {
        ::SysFreeString(std::exchange(value_, nullptr));
        return &value_;
    }
    BSTR Get() const { return value_; }
    std::wstring Text() const {
        return value_ == nullptr ? std::wstring() : std::wstring(value_, ::SysStringLen(value_));
    }

  private:
    BSTR value_ = nullptr;
};

// The text a getter of `object` hands out as a BSTR; empty for a NULL string or when the call fails.
template <typename Interface>
std::u16string BstrProperty(Interface* object, HRESULT (STDMETHODCALLTYPE Interface::*getter)(BSTR*)) {
    Bstr text;
    if (FAILED((object->*getter)(text.Receive())))
        return {};
    return FromWide(text.Text());
}

}  // namespace fw
