// Run by hand (scripts/fuzz runs it too): how long one lookup and one dialog's texts take on 10 MB
// language files of the kinds that could stall the user interface.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "core/lang/language_file.h"
#include "support/iconv_code_page.h"

namespace {

using aerowisp::LanguageFile;

constexpr size_t kFileBytes = 10 * 1024 * 1024;

// The C runtime's streams on this machine, as the program uses them on Windows.
class StdioFileReader final : public aerowisp::FileReader {
  public:
    std::unique_ptr<aerowisp::ReadableFile> Open(const std::u16string& path) override {
        FILE* stream = std::fopen(std::string(path.begin(), path.end()).c_str(), "rb");
        if (stream == nullptr)
            return nullptr;
        return std::make_unique<File>(stream);
    }

  private:
    class File final : public aerowisp::ReadableFile {
      public:
        explicit File(FILE* stream) : stream_(stream) {}
        ~File() override { std::fclose(stream_); }
        File(const File&) = delete;
        File& operator=(const File&) = delete;
        size_t Read(std::span<char> buffer) override {
            return std::fread(buffer.data(), 1, buffer.size(), stream_);
        }

      private:
        FILE* stream_;
    };
};

class CountingDialog final : public aerowisp::ControlTextTarget {
  public:
    bool HasControl(int controlId) override { return controlId == 1062 || controlId == 1131; }
    void SetControlText(int, const std::u16string&) override { ++sets; }
    int sets = 0;
};

std::string Repeated(const std::string& unit) {
    std::string bytes;
    bytes.reserve(kFileBytes + unit.size());
    while (bytes.size() < kFileBytes)
        bytes += unit;
    return bytes;
}

std::string Random() {
    std::mt19937 generator(1);
    std::string bytes(kFileBytes, '\0');
    for (char& c : bytes)
        c = static_cast<char>(generator());
    return bytes;
}

double Milliseconds(const std::chrono::steady_clock::duration& duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

}  // namespace

int main() {
    struct Kind {
        const char* label;
        std::string bytes;
    };
    const Kind kinds[] = {
        {"no line ends", std::string(kFileBytes, 'x')},
        {"short lines, no key", Repeated("String3=About\r\n")},
        {"control lines of one control", Repeated("1062=Apply\r\n")},
        {"random bytes", Random()},
    };
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "aerowisp-language-bench.txt";
    const std::u16string widePath = path.u16string();
    StdioFileReader files;
    aerowisp::test::IconvCodePage codePage("CP1252");
    const LanguageFile language(files, codePage, widePath);

    std::printf("%-30s %14s %14s\n", "10 MB language file", "lookup (ms)", "dialog (ms)");
    for (const Kind& kind : kinds) {
        if (FILE* stream = std::fopen(path.c_str(), "wb")) {
            std::fwrite(kind.bytes.data(), 1, kind.bytes.size(), stream);
            std::fclose(stream);
        }
        auto start = std::chrono::steady_clock::now();
        std::u16string text = language.LoadLanguageString(u"String55");
        auto looked = std::chrono::steady_clock::now();
        CountingDialog dialog;
        language.ApplyLanguageToDialog(dialog);
        auto applied = std::chrono::steady_clock::now();
        std::printf("%-30s %14.1f %14.1f   (text %zu characters, %d controls set)\n", kind.label,
                    Milliseconds(looked - start), Milliseconds(applied - looked), text.size(), dialog.sets);
    }
    std::filesystem::remove(path);
    return 0;
}
