#pragma once
// Windows constants the portable logic passes to the platform; Win32Platform.cpp checks each
// against <windows.h> at compile time.
#include <cstdint>

namespace platform::win {

inline constexpr uint32_t kErrorSuccess = 0;
inline constexpr uint32_t kErrorFileNotFound = 2;
inline constexpr uint32_t kErrorPathNotFound = 3;
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorWriteFault = 29;
inline constexpr uint32_t kErrorSharingViolation = 32;
inline constexpr uint32_t kErrorFileExists = 80;
inline constexpr uint32_t kErrorInvalidName = 123;
inline constexpr uint32_t kErrorAlreadyExists = 183;
inline constexpr uint32_t kErrorCantAccessFile = 1920;

inline constexpr uint32_t kInvalidFileAttributes = 0xFFFFFFFFu;
inline constexpr uint32_t kFileAttributeReadonly = 0x1;
inline constexpr uint32_t kFileAttributeHidden = 0x2;
inline constexpr uint32_t kFileAttributeSystem = 0x4;
inline constexpr uint32_t kFileAttributeDirectory = 0x10;
inline constexpr uint32_t kFileAttributeArchive = 0x20;
inline constexpr uint32_t kFileAttributeNormal = 0x80;
inline constexpr uint32_t kFileAttributeReparsePoint = 0x400;
inline constexpr uint32_t kFileFlagOpenReparsePoint = 0x00200000;

inline constexpr uint32_t kIoReparseTagMountPoint = 0xA0000003u;
inline constexpr uint32_t kIoReparseTagSymlink = 0xA000000Cu;
// The bit of a reparse tag that says the name stands for another one (links, junctions).
inline constexpr uint32_t kReparseTagNameSurrogateBit = 0x20000000u;

inline constexpr uint32_t kGenericRead = 0x80000000u;
inline constexpr uint32_t kGenericWrite = 0x40000000u;
inline constexpr uint32_t kDelete = 0x00010000u;
inline constexpr uint32_t kReadControl = 0x00020000u;
inline constexpr uint32_t kWriteDac = 0x00040000u;
inline constexpr uint32_t kFileShareRead = 0x1;
inline constexpr uint32_t kFileShareWrite = 0x2;
inline constexpr uint32_t kFileShareDelete = 0x4;
inline constexpr uint32_t kCreateNew = 1;
inline constexpr uint32_t kCreateAlways = 2;
inline constexpr uint32_t kOpenExisting = 3;

inline constexpr uint32_t kKeyAllAccess = 0xF003F;
inline constexpr int32_t kRegSuccess = 0;
inline constexpr uint32_t kRegSz = 1;
inline constexpr uint32_t kRegExpandSz = 2;
inline constexpr uint32_t kRegBinary = 3;
inline constexpr uint32_t kRegDword = 4;
inline constexpr uint32_t kRegMultiSz = 7;

inline constexpr uint32_t kMbIconError = 16;
inline constexpr uint32_t kMbIconWarning = 48;

inline constexpr uint32_t kProcessEntrySize32Bit = 556;

}  // namespace platform::win
