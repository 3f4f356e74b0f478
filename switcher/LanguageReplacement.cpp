#include "switcher/LanguageReplacement.h"

#include <algorithm>
#include <vector>

#include "switcher/OwnFiles.h"

using namespace platform::win;

namespace {

constexpr uint32_t kChunkBytes = 64 * 1024;

// Copies while comparing with the content that may be installed: a source that differs in any
// byte or in length fails before anything of it can take the target's place.
bool CopyExpectedContents(platform::File& from, platform::File& to, std::span<const uint8_t> expected) {
    std::vector<uint8_t> chunk(kChunkBytes);
    size_t done = 0;
    for (;;) {
        uint32_t read = 0;
        if (!from.Read(chunk.data(), kChunkBytes, &read)) return false;
        if (read == 0) return done == expected.size() && to.Flush();
        if (read > expected.size() - done || !std::equal(chunk.begin(), chunk.begin() + read, expected.begin() + done))
            return false;
        if (!platform::WriteAll(to, chunk.data(), read)) return false;
        done += read;
    }
}

bool TargetRefusesOverwrite(platform::Platform& platform, const std::u16string& target) {
    uint32_t error = 0;
    // A missing target has no attributes and will be created.
    return platform::HasAnyAttribute(platform.FileAttributes(target, &error),
                                     kFileAttributeReadonly | kFileAttributeHidden | kFileAttributeDirectory);
}

// The target as its name stands in the folder: the rename gives the file the name it is handed,
// so "AV_MAP.ENG" asked for as "av_map.eng" would lose its spelling.
std::u16string NameInFolder(platform::Platform& platform, const std::u16string& target) {
    const size_t nameStart = platform::NameStart(target);
    const std::u16string wanted = platform.LowerCase(target.substr(nameStart));
    for (const platform::FoundEntry& entry : platform.FindEntries(target))
        if (platform.LowerCase(entry.name) == wanted) return target.substr(0, nameStart) + entry.name;
    return target;
}

// The target's own DACL, read from the name itself rather than from where a link leads.
std::optional<std::vector<uint8_t>> SecurityOf(platform::Platform& platform, const std::u16string& target) {
    uint32_t error = 0;
    const auto file = platform.OpenFile(target, kReadControl, kFileShareRead | kFileShareWrite | kFileShareDelete,
                                        kOpenExisting, kFileAttributeNormal | kFileFlagOpenReparsePoint, &error);
    return file ? file->Security() : std::nullopt;
}

}  // namespace

bool ReplaceFileContents(platform::Platform& platform, const std::u16string& source, const std::u16string& target,
                         std::span<const uint8_t> expected) {
    if (TargetRefusesOverwrite(platform, target)) return false;

    uint32_t error = 0;
    auto from = platform.OpenFile(source, kGenericRead, kFileShareRead, kOpenExisting, kFileAttributeNormal, &error);
    if (!from) return false;

    const std::u16string installed = NameInFolder(platform, target);
    const auto security = SecurityOf(platform, installed);
    const auto temporary = TemporaryFile::CreateBeside(platform, target, &error);
    if (!temporary) return false;
    if (!CopyExpectedContents(*from, temporary->File(), expected)) return false;
    from.reset();
    // Where the system keeps no DACL or refuses to set it, the file gets the folder's inherited one.
    // One the new file has already is not set again: Wine maps a DACL it is given onto the Unix
    // mode lossily (644 would come back 775), while a file left alone keeps its mode.
    if (security && security != temporary->File().Security()) temporary->File().SetSecurity(*security);
    return temporary->Install(installed, &error);
}
