#include "embedded/WorkingCopies.h"

#include "switcher/Errors.h"
#include "switcher/Texts.h"

using namespace platform::win;

namespace {

[[noreturn]] void ThrowCannotCreate(platform::Platform& platform, const std::u16string& path,
                                    uint32_t error) {
    throw ToolkitError(FillTemplate(texts::kCannotCreate, {path, TrimSystemText(platform.ErrorText(error))}));
}

bool IsLink(uint32_t attributes) { return platform::HasAnyAttribute(attributes, kFileAttributeReparsePoint); }

// Windows refuses to empty a read-only, hidden or system file through CREATE_ALWAYS with normal
// attributes; Wine, run as root, does not, so the refusal is made here for both.
bool RefusesOverwrite(uint32_t attributes) {
    return platform::HasAnyAttribute(attributes, kFileAttributeReadonly | kFileAttributeHidden | kFileAttributeSystem);
}

void WriteWorkingCopy(platform::Platform& platform, const std::u16string& itemName, const std::u16string& path) {
    const auto item = platform.FindItem(kLanguageItemType, itemName);
    if (!item) throw ToolkitError(FillTemplate(texts::kItemNotFound, {itemName}));

    uint32_t error = 0;
    const uint32_t existing = platform.FileAttributes(path, &error);
    if (IsLink(existing)) ThrowCannotCreate(platform, path, kErrorCantAccessFile);
    if (RefusesOverwrite(existing)) ThrowCannotCreate(platform, path, kErrorAccessDenied);
    auto file = platform.OpenFile(path, kGenericRead | kGenericWrite, 0, kCreateAlways,
                                  kFileAttributeNormal | kFileFlagOpenReparsePoint, &error);
    if (!file) ThrowCannotCreate(platform, path, error);
    // A link planted between the check and the open was opened itself, not followed.
    if (IsLink(file->HandleAttributes())) ThrowCannotCreate(platform, path, kErrorCantAccessFile);

    if (!platform::WriteAll(*file, item->data(), static_cast<uint32_t>(item->size())))
        throw ToolkitError(texts::kStreamWriteError);
}

}  // namespace

void WriteWorkingCopies(platform::Platform& platform, const std::u16string& folder) {
    WriteWorkingCopy(platform, kGermanItem, folder + kGermanCopyName);
    WriteWorkingCopy(platform, kEnglishItem, folder + kEnglishCopyName);
}

void DeleteWorkingCopies(platform::Platform& platform, const std::u16string& folder) {
    for (const char16_t* name : {kGermanCopyName, kEnglishCopyName}) {
        // A read-only file of that name is not a copy of ours (none could be written over it);
        // Windows would refuse to delete it, Wine would not.
        const std::u16string path = folder + name;
        uint32_t error = 0;
        if (!platform::HasAnyAttribute(platform.FileAttributes(path, &error), kFileAttributeReadonly)) platform.RemoveFile(path);
    }
}
