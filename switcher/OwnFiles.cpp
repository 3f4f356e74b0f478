#include "switcher/OwnFiles.h"

#include <algorithm>
#include <vector>

using namespace platform::win;

namespace {

constexpr char16_t kTemporaryMarker[] = u".~avsprache-";
constexpr char16_t kTemporaryEnding[] = u".tmp";
// Names differ by process already; the count only steps over leftovers and others' entries.
constexpr int kNameAttempts = 16;

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

// Reads the whole file when it is no longer than the longest content it may match.
bool HoldsOnlyOurBytes(platform::File& file, std::span<const OwnBytes> ours) {
    size_t longest = 0;
    for (const OwnBytes bytes : ours) longest = std::max(longest, bytes.size());
    std::vector<uint8_t> content(longest + 1);
    size_t size = 0;
    for (;;) {
        uint32_t read = 0;
        if (!file.Read(content.data() + size, static_cast<uint32_t>(content.size() - size), &read)) return false;
        if (read == 0) break;
        size += read;
        if (size > longest) return false;
    }
    return std::any_of(ours.begin(), ours.end(), [&](const OwnBytes bytes) {
        return size <= bytes.size() && std::equal(content.begin(), content.begin() + size, bytes.begin());
    });
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

bool RemoveIfOurs(platform::Platform& platform, const std::u16string& path, std::span<const OwnBytes> ours) {
    uint32_t error = 0;
    // Without sharing nobody can change the bytes between the check and the deletion; a visible
    // link is opened itself and then refused.
    const auto file = platform.OpenFile(path, kDelete | kGenericRead, 0, kOpenExisting,
                                        kFileAttributeNormal | kFileFlagOpenReparsePoint, &error);
    if (!file) return false;
    const uint32_t attributes = file->HandleAttributes();
    if (attributes == kInvalidFileAttributes ||
        platform::HasAnyAttribute(attributes, kFileAttributeDirectory | kFileAttributeReadonly))
        return false;
    if (platform::HasAnyAttribute(attributes, kFileAttributeReparsePoint)) {
        const uint32_t tag = file->ReparseTag();
        if (tag == 0 || platform::IsNameSurrogate(tag)) return false;
    }
    return HoldsOnlyOurBytes(*file, ours) && file->MarkForDeletion();
}

void RemoveLeftovers(platform::Platform& platform, const std::u16string& path, std::span<const OwnBytes> ours) {
    const size_t nameStart = platform::NameStart(path);
    const std::u16string folder = path.substr(0, nameStart);
    // A pattern may also match short names; only a long name of the temporary form counts.
    const std::u16string prefix = platform.LowerCase(path.substr(nameStart) + kTemporaryMarker);
    const std::u16string ending = kTemporaryEnding;
    for (const platform::FoundEntry& entry : platform.FindEntries(path + kTemporaryMarker + u"*" + kTemporaryEnding)) {
        const std::u16string name = platform.LowerCase(entry.name);
        if (platform::HasAnyAttribute(entry.attributes, kFileAttributeDirectory) || !name.starts_with(prefix) ||
            !name.ends_with(ending))
            continue;
        RemoveIfOurs(platform, folder + entry.name, ours);
    }
}
