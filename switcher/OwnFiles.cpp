#include "switcher/OwnFiles.h"

#include <algorithm>
#include <vector>

using namespace platform::win;

namespace {

constexpr char16_t kTemporaryMarker[] = u".~avsprache-";
constexpr char16_t kTemporaryEnding[] = u".tmp";
// Names differ by process already; the count steps over others' entries and leftovers of killed
// runs, which stay for good and gather under one process id where the system reuses ids soon.
constexpr int kNameAttempts = 1000;

std::u16string Hex(uint32_t value) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), u"0123456789abcdef"[value % 16]);
        value /= 16;
    } while (value != 0);
    return digits;
}

std::u16string Decimal(int value) {
    std::u16string digits;
    for (const char c : std::to_string(value)) digits += static_cast<char16_t>(c);
    return digits;
}

// A name is taken by a file (exists) or, on Windows, by a folder (access denied).
bool NameTaken(uint32_t error) {
    return error == kErrorFileExists || error == kErrorAlreadyExists || error == kErrorAccessDenied;
}

// Reads at most one byte more than the expected content.
bool HoldsExactly(platform::File& file, OwnBytes bytes) {
    std::vector<uint8_t> content(bytes.size() + 1);
    size_t size = 0;
    for (;;) {
        uint32_t read = 0;
        if (!file.Read(content.data() + size, static_cast<uint32_t>(content.size() - size), &read)) return false;
        if (read == 0) break;
        size += read;
        if (size > bytes.size()) return false;
    }
    return size == bytes.size() && std::equal(bytes.begin(), bytes.end(), content.begin());
}

}  // namespace

std::unique_ptr<TemporaryFile> TemporaryFile::CreateBeside(platform::Platform& platform, const std::u16string& path,
                                                           uint32_t* error) {
    const std::u16string stem = path + kTemporaryMarker + Hex(platform.ProcessId()) + u"-";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::u16string name = stem + Decimal(attempt) + kTemporaryEnding;
        // CREATE_NEW fails on any existing name, a link included, so the file is new and ours.
        auto file = platform.OpenFile(name, kGenericRead | kGenericWrite | kDelete | kWriteDac, kFileShareDelete,
                                      kCreateNew, kFileAttributeNormal | kFileFlagOpenReparsePoint, error);
        if (file) return std::unique_ptr<TemporaryFile>(new TemporaryFile(platform, name, std::move(file)));
        if (!NameTaken(*error)) return nullptr;
    }
    return nullptr;
}

TemporaryFile::~TemporaryFile() {
    if (!installed_) file_->MarkForDeletion();
}

bool TemporaryFile::Install(const std::u16string& target, uint32_t* error) {
    installed_ = platform_.MoveReplacing(path_, target, error);
    return installed_;
}

bool RemoveIfMadeByThisRun(platform::Platform& platform, const std::u16string& path,
                           const platform::FileIdentity& made, OwnBytes bytes) {
    uint32_t error = 0;
    // Without sharing nobody can change the file between the check and the deletion. A link the
    // system shows is opened itself; one it does not show leads to a file of another identity.
    const auto file = platform.OpenFile(path, kDelete | kGenericRead, 0, kOpenExisting,
                                        kFileAttributeNormal | kFileFlagOpenReparsePoint, &error);
    if (!file || file->Identity() != made) return false;
    if (platform::HasAnyAttribute(file->HandleAttributes(), kFileAttributeReadonly)) return false;
    return HoldsExactly(*file, bytes) && file->MarkForDeletion();
}
