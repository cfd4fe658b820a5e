// What the About page shows and opens.
#include "core/widgets/about_texts.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>

#include "core/lang/language_strings.h"
#include "core/text/ascii_case.h"

namespace aerowisp {
namespace {

constexpr std::u16string_view kHttp = u"http://";
constexpr std::u16string_view kHttps = u"https://";

// Never part of an address as typed: the RFC 3986 "unwise" characters, and the quote that would end
// the quoted argument a browser's command line gives the address.
constexpr std::u16string_view kNeverInAddress = u"\"<>\\^`{|}";

// Control characters and blanks, also the Unicode ones a browser would drop or show as nothing: the
// C1 controls, the wide and zero-width spaces, the direction marks and the byte-order mark.
bool IsControlOrBlank(char16_t c) {
    struct Range {
        char16_t first;
        char16_t last;
    };
    constexpr Range kRanges[] = {{0x0000, 0x0020}, {0x007F, 0x00A0}, {0x2000, 0x200F},
                                 {0x2028, 0x202F}, {0x3000, 0x3000}, {0xFEFF, 0xFEFF}};
    return std::any_of(std::begin(kRanges), std::end(kRanges),
                       [c](const Range& range) { return c >= range.first && c <= range.last; });
}

bool StartsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoringCaseAZ(text.substr(0, prefix.size()), prefix);
}

std::u16string_view Trimmed(std::u16string_view text) {
    constexpr std::u16string_view kAround = u" \t\r\n";
    const size_t first = text.find_first_not_of(kAround);
    if (first == std::u16string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kAround) - first + 1);
}

// VS_VERSIONINFO: wLength, wValueLength, wType, the key "VS_VERSION_INFO" with its terminator, padding to
// 32 bits, then VS_FIXEDFILEINFO.
constexpr std::u16string_view kVersionInfoKey{u"VS_VERSION_INFO\0", 16};
constexpr size_t kKeyOffset = 6;
constexpr size_t kFixedInfoOffset = 40;
constexpr size_t kFixedInfoSize = 52;
constexpr uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr size_t kSignatureOffset = 0;
constexpr size_t kFileVersionMsOffset = 8;
constexpr size_t kFileVersionLsOffset = 12;

uint16_t Word(std::span<const uint8_t> block, size_t at) {
    return static_cast<uint16_t>(block[at] | (block[at + 1] << 8));
}

uint32_t DoubleWord(std::span<const uint8_t> block, size_t at) {
    return static_cast<uint32_t>(Word(block, at)) | (static_cast<uint32_t>(Word(block, at + 2)) << 16);
}

std::u16string FromAscii(const char* text) {
    std::u16string wide;
    for (; *text != '\0'; ++text)
        wide.push_back(static_cast<char16_t>(*text));
    return wide;
}

}  // namespace

bool IsOpenableWebAddress(std::u16string_view address) {
    if (address.size() > kMaxWebAddressLength)
        return false;
    size_t host = 0;
    if (StartsWithIgnoringCase(address, kHttps)) {
        host = kHttps.size();
    } else if (StartsWithIgnoringCase(address, kHttp)) {
        host = kHttp.size();
    } else {
        return false;
    }
    // A host comes first: "http:///x" and "http://" open nothing the user would expect.
    if (host == address.size() || address[host] == u'/')
        return false;
    return std::none_of(address.begin(), address.end(), [](char16_t c) {
        return IsControlOrBlank(c) || kNeverInAddress.find(c) != std::u16string_view::npos;
    });
}

std::u16string WebAddressToOpen(std::u16string_view languageText) {
    const std::u16string_view address = Trimmed(languageText);
    if (IsOpenableWebAddress(address))
        return std::u16string(address);
    return std::u16string(kMakerWebAddress.englishDefault);
}

std::u16string FileVersionText(std::span<const uint8_t> block) {
    constexpr size_t kFixedEnd = kFixedInfoOffset + kFixedInfoSize;
    if (block.size() < kFixedEnd)
        return {};
    const size_t length = Word(block, 0);
    const size_t valueLength = Word(block, 2);
    if (length < kFixedEnd || length > block.size() || valueLength < kFixedInfoSize)
        return {};
    for (size_t i = 0; i < kVersionInfoKey.size(); ++i) {
        if (Word(block, kKeyOffset + 2 * i) != kVersionInfoKey[i])
            return {};
    }
    const std::span<const uint8_t> fixed = block.subspan(kFixedInfoOffset, kFixedInfoSize);
    if (DoubleWord(fixed, kSignatureOffset) != kFixedInfoSignature)
        return {};
    const uint32_t ms = DoubleWord(fixed, kFileVersionMsOffset);
    const uint32_t ls = DoubleWord(fixed, kFileVersionLsOffset);
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%u.%u.%u.%u\n", ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF);
    return FromAscii(text.data());
}

std::u16string FileDateText(const CalendarDate& date) {
    constexpr int kFirstYear = 1601;
    constexpr int kLastYear = 9999;
    constexpr std::array<int, 12> kDaysInMonth{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date.year < kFirstYear || date.year > kLastYear || date.month < 1 || date.month > 12 || date.day < 1)
        return {};
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    const int days = date.month == 2 && !leap ? 28 : kDaysInMonth[static_cast<size_t>(date.month - 1)];
    if (date.day > days)
        return {};
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%02d-%02d-%04d", date.month, date.day, date.year);
    return FromAscii(text.data());
}

}  // namespace aerowisp
