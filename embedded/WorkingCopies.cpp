#include "embedded/WorkingCopies.h"

#include "switcher/Errors.h"
#include "switcher/OwnFiles.h"
#include "switcher/Texts.h"

using namespace platform::win;

namespace {

// Shown for a copy's name that leads elsewhere (a symbolic link, a junction): the system's own
// text for a file it cannot reach, since no error code says "refused to follow a link".
constexpr uint32_t kLinkRefusedError = kErrorCantAccessFile;

struct Copy {
    const char16_t* item;
    const char16_t* name;
};
constexpr Copy kCopies[] = {{kGermanItem, kGermanCopyName}, {kEnglishItem, kEnglishCopyName}};

[[noreturn]] void ThrowCannotCreate(platform::Platform& platform, const std::u16string& path,
                                    uint32_t error) {
    throw ToolkitError(FillTemplate(texts::kCannotCreate, {path, TrimSystemText(platform.ErrorText(error))}));
}

// Windows refuses to replace a read-only, hidden or system file this way; Wine, run as root, does
// not, so the refusal is made here for both.
bool RefusesOverwrite(uint32_t attributes) {
    return platform::HasAnyAttribute(attributes, kFileAttributeReadonly | kFileAttributeHidden | kFileAttributeSystem);
}

bool LeadsElsewhere(platform::Platform& platform, const std::u16string& path, uint32_t attributes) {
    if (!platform::HasAnyAttribute(attributes, kFileAttributeReparsePoint)) return false;
    const auto entries = platform.FindEntries(path);
    // A reparse point whose tag cannot be read is taken for a link.
    return entries.empty() || platform::IsNameSurrogate(entries.front().reparseTag);
}

// An existing copy must be free to be replaced: held open by another program, it is reported as
// that program's sharing violation. Opened itself, a link planted after the check shows its tag.
void CheckExistingCopy(platform::Platform& platform, const std::u16string& path) {
    uint32_t error = 0;
    const auto existing =
        platform.OpenFile(path, kDelete, 0, kOpenExisting, kFileAttributeNormal | kFileFlagOpenReparsePoint, &error);
    if (!existing) {
        if (error == kErrorFileNotFound) return;
        ThrowCannotCreate(platform, path, error);
    }
    if (platform::HasAnyAttribute(existing->HandleAttributes(), kFileAttributeReparsePoint) &&
        platform::IsNameSurrogate(existing->ReparseTag()))
        ThrowCannotCreate(platform, path, kLinkRefusedError);
}

// Written under a new name and renamed into place, so that a link of the copy's name, even one the
// system does not show as such, is replaced and never written through.
void WriteWorkingCopy(platform::Platform& platform, const std::u16string& itemName, const std::u16string& path) {
    const auto item = platform.FindItem(kLanguageItemType, itemName);
    if (!item) throw ToolkitError(FillTemplate(texts::kItemNotFound, {itemName}));
    const OwnBytes ours[] = {*item};
    RemoveLeftovers(platform, path, ours);

    uint32_t error = 0;
    const uint32_t existing = platform.FileAttributes(path, &error);
    if (LeadsElsewhere(platform, path, existing)) ThrowCannotCreate(platform, path, kLinkRefusedError);
    if (RefusesOverwrite(existing)) ThrowCannotCreate(platform, path, kErrorAccessDenied);
    CheckExistingCopy(platform, path);

    const auto temporary = TemporaryFile::CreateBeside(platform, path, &error);
    if (!temporary) ThrowCannotCreate(platform, path, error);
    if (!platform::WriteAll(temporary->File(), item->data(), static_cast<uint32_t>(item->size())))
        throw ToolkitError(texts::kStreamWriteError);
    if (!temporary->Install(path, &error)) ThrowCannotCreate(platform, path, error);
}

}  // namespace

void WriteWorkingCopies(platform::Platform& platform, const std::u16string& folder) {
    for (const Copy& copy : kCopies) WriteWorkingCopy(platform, copy.item, folder + copy.name);
}

void DeleteWorkingCopies(platform::Platform& platform, const std::u16string& folder) {
    for (const Copy& copy : kCopies) {
        // Without the item nothing shows the file is ours.
        if (const auto item = platform.FindItem(kLanguageItemType, copy.item)) {
            const OwnBytes ours[] = {*item};
            RemoveIfOurs(platform, folder + copy.name, ours);
        }
    }
}

std::vector<OwnBytes> EmbeddedLanguageFiles(platform::Platform& platform) {
    std::vector<OwnBytes> files;
    for (const Copy& copy : kCopies)
        if (const auto item = platform.FindItem(kLanguageItemType, copy.item)) files.push_back(*item);
    return files;
}
