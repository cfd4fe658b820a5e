// An ANSI code page for native tests, over iconv, so multi-byte systems (GBK, BIG5) can be tried on Linux.
#pragma once

#include <iconv.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/platform/ansi_code_page.h"

namespace aerowisp::test {

class IconvCodePage final : public AnsiCodePage {
  public:
    // `name` as iconv knows it: "CP1252", "GBK", "BIG5".
    explicit IconvCodePage(const char* name)
        : toAnsi_(Open(name, "UTF-16LE")), toWide_(Open("UTF-16LE", name)) {}

    // Character by character, so one the code page lacks becomes '?' as WideCharToMultiByte makes it.
    std::string WideToAnsi(std::u16string_view text) override {
        std::string result;
        for (size_t i = 0; i < text.size();) {
            size_t units = (IsHighSurrogate(text[i]) && i + 1 < text.size()) ? 2 : 1;
            std::string converted;
            if (Convert(toAnsi_.get(), reinterpret_cast<const char*>(text.data() + i), units * 2,
                        converted)) {
                result += converted;
            } else {
                result += '?';
            }
            i += units;
        }
        return result;
    }

    std::optional<std::string> WideToAnsiExactly(std::u16string_view text) override {
        std::string result;
        for (size_t i = 0; i < text.size();) {
            size_t units = (IsHighSurrogate(text[i]) && i + 1 < text.size()) ? 2 : 1;
            std::string converted;
            if (!Convert(toAnsi_.get(), reinterpret_cast<const char*>(text.data() + i), units * 2, converted))
                return std::nullopt;
            result += converted;
            i += units;
        }
        return result;
    }

    std::u16string AnsiToWide(std::string_view bytes) override {
        std::u16string result;
        size_t i = 0;
        while (i < bytes.size()) {
            // A character is one or two bytes in the code pages tested here.
            std::string converted;
            size_t used = 1;
            if (!Convert(toWide_.get(), bytes.data() + i, 1, converted)) {
                used = 2;
                if (i + 1 >= bytes.size() || !Convert(toWide_.get(), bytes.data() + i, 2, converted)) {
                    converted = std::string("?\0", 2);
                    used = 1;
                }
            }
            for (size_t k = 0; k + 1 < converted.size(); k += 2) {
                result += static_cast<char16_t>(static_cast<unsigned char>(converted[k]) |
                                                (static_cast<unsigned char>(converted[k + 1]) << 8));
            }
            i += used;
        }
        return result;
    }

  private:
    struct Closer {
        void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
    };
    using Handle = std::unique_ptr<void, Closer>;

    static Handle Open(const char* to, const char* from) {
        iconv_t cd = iconv_open(to, from);
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from);
        return Handle(cd);
    }

    static bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

    // One whole conversion of `size` bytes; false when any of them is not convertible or incomplete.
    static bool Convert(void* cd, const char* data, size_t size, std::string& out) {
        iconv(static_cast<iconv_t>(cd), nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* in = const_cast<char*>(data);
        size_t inLeft = size;
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        if (iconv(static_cast<iconv_t>(cd), &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) ||
            inLeft != 0) {
            return false;
        }
        out.assign(buffer, static_cast<size_t>(outPtr - buffer));
        return true;
    }

    Handle toAnsi_;
    Handle toWide_;
};

}  // namespace aerowisp::test
