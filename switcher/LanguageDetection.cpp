#include "switcher/LanguageDetection.h"

#include <array>

namespace {

// The byte each offset yields. Returns the number of offsets settled from the bulk read; the
// file cannot change meanwhile, as it is held without sharing.
uint32_t ReadInBulk(platform::File& file, std::array<uint8_t, kSampleBytes>& bytes, bool* failed) {
    uint32_t filled = 0;
    *failed = false;
    file.Seek(0);  // a fresh handle stands at 0 anyway
    while (filled < kSampleBytes) {
        uint32_t read = 0;
        if (!file.Read(bytes.data() + filled, kSampleBytes - filled, &read)) {
            *failed = true;
            break;
        }
        if (read == 0) break;  // end of file
        filled += read > kSampleBytes - filled ? kSampleBytes - filled : read;
    }
    return filled;
}

}  // namespace

std::u16string ReadSampleText(platform::File& file) {
    std::array<uint8_t, kSampleBytes> bytes{};
    bool failed = false;
    const uint32_t filled = ReadInBulk(file, bytes, &failed);

    uint8_t last = filled > 0 ? bytes[filled - 1] : 0;
    for (uint32_t offset = filled; offset < kSampleBytes; ++offset) {
        if (failed) {
            // A failing read repeats the previous byte; the next offsets may still deliver.
            uint8_t byte = 0;
            uint32_t read = 0;
            file.Seek(offset);
            if (file.Read(&byte, 1, &read) && read == 1) last = byte;
        }
        bytes[offset] = last;
    }

    std::u16string sample;
    sample.reserve(kSampleBytes);
    for (const uint8_t byte : bytes)
        if (byte != 0) sample += static_cast<char16_t>(byte);
    return sample;
}

bool SampleIsGerman(const std::u16string& sample) {
    return sample.find(u"Datei") != std::u16string::npos;
}
