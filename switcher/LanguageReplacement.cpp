#include "switcher/LanguageReplacement.h"

#include <vector>

using namespace platform::win;

namespace {

constexpr uint32_t kChunkBytes = 64 * 1024;

bool CopyContents(platform::File& from, platform::File& to) {
    std::vector<uint8_t> chunk(kChunkBytes);
    for (;;) {
        uint32_t read = 0;
        if (!from.Read(chunk.data(), kChunkBytes, &read)) return false;
        if (read == 0) return to.Flush();
        if (!platform::WriteAll(to, chunk.data(), read)) return false;
    }
}

bool TargetRefusesOverwrite(platform::Platform& platform, const std::u16string& target) {
    uint32_t error = 0;
    // A missing target has no attributes and will be created.
    return platform::HasAnyAttribute(platform.FileAttributes(target, &error),
                                     kFileAttributeReadonly | kFileAttributeHidden | kFileAttributeDirectory);
}

}  // namespace

bool ReplaceFileContents(platform::Platform& platform, const std::u16string& source,
                         const std::u16string& target) {
    if (TargetRefusesOverwrite(platform, target)) return false;

    uint32_t error = 0;
    auto from = platform.OpenFile(source, kGenericRead, kFileShareRead, kOpenExisting,
                                  kFileAttributeNormal, &error);
    if (!from) return false;

    // A leftover of an interrupted run goes first; deleting a link removes only the link, and the
    // exclusive creation without following links never writes through one.
    const std::u16string temporary = target + u".tmp";
    platform.RemoveFile(temporary);
    auto to = platform.OpenFile(temporary, kGenericWrite, 0, kCreateNew,
                                kFileAttributeNormal | kFileFlagOpenReparsePoint, &error);
    if (!to) return false;

    const bool copied = CopyContents(*from, *to);
    to.reset();
    from.reset();
    if (copied && platform.MoveReplacing(temporary, target, &error)) return true;
    platform.RemoveFile(temporary);
    return false;
}
