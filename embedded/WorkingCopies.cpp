#include "embedded/WorkingCopies.h"

#include "switcher/Errors.h"
#include "switcher/Texts.h"

using namespace platform::win;

namespace {

[[noreturn]] void ThrowCannotCreate(platform::Platform& platform, const std::u16string& path,
                                    uint32_t error) {
    throw ToolkitError(FillTemplate(texts::kCannotCreate, {path, TrimSystemText(platform.ErrorText(error))}));
}

bool IsLink(uint32_t attributes) {
    return attributes != kInvalidFileAttributes && (attributes & kFileAttributeReparsePoint) != 0;
}

void WriteWorkingCopy(platform::Platform& platform, const std::u16string& itemName, const std::u16string& path) {
    const auto item = platform.FindItem(kLanguageItemType, itemName);
    if (!item) throw ToolkitError(FillTemplate(texts::kItemNotFound, {itemName}));

    uint32_t error = 0;
    if (IsLink(platform.FileAttributes(path, &error))) ThrowCannotCreate(platform, path, kErrorCantAccessFile);
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
    platform.RemoveFile(folder + kGermanCopyName);
    platform.RemoveFile(folder + kEnglishCopyName);
}
