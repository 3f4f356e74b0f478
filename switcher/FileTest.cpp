#include "switcher/FileTest.h"

using namespace platform::win;

bool IsExistingFile(platform::Platform& platform, const std::u16string& path) {
    uint32_t error = 0;
    const uint32_t attributes = platform.FileAttributes(path, &error);
    if (attributes == kInvalidFileAttributes) {
        if (error == kErrorFileNotFound || error == kErrorPathNotFound || error == kErrorInvalidName)
            return false;
        // Attributes can be refused (sharing, access) where a directory listing still answers.
        const auto found = platform.FindFirstFileAttributes(path);
        return found && (*found & kFileAttributeDirectory) == 0;
    }
    if ((attributes & kFileAttributeReparsePoint) == 0) return (attributes & kFileAttributeDirectory) == 0;
    if (attributes & kFileAttributeDirectory) return false;
    const auto file = platform.OpenFile(path, kGenericRead, kFileShareRead, kOpenExisting, 0, &error);
    return file != nullptr || error == kErrorSharingViolation;
}
