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
    std::optional<platform::FileIdentity> WrittenCopies::*written;
};
constexpr Copy kCopies[] = {{kGermanItem, kGermanCopyName, &WrittenCopies::german},
                            {kEnglishItem, kEnglishCopyName, &WrittenCopies::english}};

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
// system does not show as such, is replaced and never written through. Returns the identity of
// the installed file, read through the handle that wrote it; nothing when it cannot be read, and
// then the copy stays.
std::optional<platform::FileIdentity> WriteWorkingCopy(platform::Platform& platform, const std::u16string& itemName,
                                                       const std::u16string& path) {
    const auto item = platform.FindItem(kLanguageItemType, itemName);
    if (!item) throw ToolkitError(FillTemplate(texts::kItemNotFound, {itemName}));

    uint32_t error = 0;
    const uint32_t existing = platform.FileAttributes(path, &error);
    if (LeadsElsewhere(platform, path, existing)) ThrowCannotCreate(platform, path, kLinkRefusedError);
    if (RefusesOverwrite(existing)) ThrowCannotCreate(platform, path, kErrorAccessDenied);
    CheckExistingCopy(platform, path);

    const auto temporary = TemporaryFile::CreateBeside(platform, path, &error);
    if (!temporary) ThrowCannotCreate(platform, path, error);
    if (!platform::WriteAll(temporary->File(), item->data(), static_cast<uint32_t>(item->size())))
        throw ToolkitError(texts::kStreamWriteError);
    const auto written = temporary->File().Identity();
    if (!temporary->Install(path, &error)) ThrowCannotCreate(platform, path, error);
    // The index is read again after the rename, since FAT numbers a file by its directory entry;
    // the volume from before it, since Wine no longer reports it for a handle whose file was renamed.
    const auto installed = temporary->File().Identity();
    if (!written || !installed) return std::nullopt;
    return platform::FileIdentity{written->volumeSerial, installed->fileIndex};
}

}  // namespace

void WriteWorkingCopies(platform::Platform& platform, const std::u16string& folder, WrittenCopies& written) {
    for (const Copy& copy : kCopies) written.*copy.written = WriteWorkingCopy(platform, copy.item, folder + copy.name);
}

void DeleteWorkingCopies(platform::Platform& platform, const std::u16string& folder, const WrittenCopies& written) {
    for (const Copy& copy : kCopies) {
        const auto& made = written.*copy.written;
        if (!made) continue;
        // Without the item nothing shows the file still holds what was written.
        if (const auto item = platform.FindItem(kLanguageItemType, copy.item))
            RemoveIfMadeByThisRun(platform, folder + copy.name, *made, *item);
    }
}
