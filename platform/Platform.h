#pragma once
// The Windows services the tool's logic uses, as a portable interface: the logic builds and is
// tested natively against a fake, and the Win32 implementation passes the values through unchanged.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/WinValues.h"

namespace platform {

using String = std::u16string;

// Which file a handle refers to, whatever name it was opened by: the serial number of its volume
// and its index on that volume (GetFileInformationByHandle).
struct FileIdentity {
    uint32_t volumeSerial = 0;
    uint64_t fileIndex = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// An open file handle. Closing happens in the destructor.
class File {
public:
    virtual ~File() = default;
    // SetFilePointer from the start of the file, high part 0.
    virtual bool Seek(uint32_t offset) = 0;
    // ReadFile: the result as the system gives it; *read is what was delivered.
    virtual bool Read(void* buffer, uint32_t size, uint32_t* read) = 0;
    // WriteFile: the result as the system gives it; *written is what was taken.
    virtual bool Write(const void* data, uint32_t size, uint32_t* written) = 0;
    // FlushFileBuffers.
    virtual bool Flush() = 0;
    // The attributes of what the handle refers to (a link itself when opened without following it).
    virtual uint32_t HandleAttributes() = 0;
    // GetFileInformationByHandleEx(FileAttributeTagInfo): the reparse tag, 0 for none or when it
    // cannot be read.
    virtual uint32_t ReparseTag() = 0;
    // GetFileInformationByHandle: which file the handle refers to; nothing when it cannot be read.
    virtual std::optional<FileIdentity> Identity() = 0;
    // SetFileInformationByHandle(FileDispositionInfo): the file goes when the handle closes, under
    // whatever name it then has. Needs DELETE access.
    virtual bool MarkForDeletion() = 0;
    // GetSecurityInfo of the DACL (needs READ_CONTROL) as a self-relative security descriptor;
    // nothing when it cannot be read.
    virtual std::optional<std::vector<uint8_t>> Security() = 0;
    // SetKernelObjectSecurity of the DACL of such a descriptor (needs WRITE_DAC).
    virtual bool SetSecurity(const std::vector<uint8_t>& descriptor) = 0;
};

// Writes all bytes, asking again for what a write left over; false when a write fails or takes
// nothing.
inline bool WriteAll(File& file, const uint8_t* data, uint32_t size) {
    uint32_t done = 0;
    while (done < size) {
        uint32_t written = 0;
        if (!file.Write(data + done, size - done, &written) || written == 0) return false;
        done += written;
    }
    return true;
}

// True when the attributes could be read and carry any of the flags; a missing file has none.
inline bool HasAnyAttribute(uint32_t attributes, uint32_t flags) {
    return attributes != win::kInvalidFileAttributes && (attributes & flags) != 0;
}

// A name can lead elsewhere: symbolic links, junctions and every other name-surrogate tag. Other
// reparse points (cloud placeholders, deduplicated files) hold their own data under their name.
inline constexpr bool IsNameSurrogate(uint32_t reparseTag) {
    return reparseTag == win::kIoReparseTagSymlink || reparseTag == win::kIoReparseTagMountPoint ||
           (reparseTag & win::kReparseTagNameSurrogateBit) != 0;
}

// Where the name part of a Windows path begins: after its last backslash or colon, else at 0.
inline size_t NameStart(const std::u16string& path) {
    const size_t delimiter = path.find_last_of(u"\\:");
    return delimiter == std::u16string::npos ? 0 : delimiter + 1;
}

// One match of a directory listing.
struct FoundEntry {
    std::u16string name;  // as it stands in the folder, without the folder
    uint32_t attributes = 0;
    uint32_t reparseTag = 0;  // meaningful with kFileAttributeReparsePoint only
};

// An open registry key. Closing happens in the destructor.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // RegQueryValueExW: data may be null to ask for type and size only. Returns the status code.
    virtual int32_t QueryValue(const String& name, uint32_t* type, uint8_t* data, uint32_t* size) = 0;
};

// The Tool Help record as the walk fills it.
struct ProcessEntry {
    uint32_t dwSize = 0;
    char16_t szExeFile[260] = {};
};

// A snapshot of the process list. Closing happens in the destructor.
class ProcessSnapshot {
public:
    virtual ~ProcessSnapshot() = default;
    virtual bool First(ProcessEntry& entry) = 0;  // Process32FirstW
    virtual bool Next(ProcessEntry& entry) = 0;   // Process32NextW
};

class Platform {
public:
    virtual ~Platform() = default;

    // GetModuleFileNameW of the process's executable.
    virtual String ModuleFileName() = 0;
    // CharLowerW.
    virtual String LowerCase(const String& text) = 0;
    // GetFullPathNameW; the input unchanged when it fails.
    virtual String FullPathName(const String& path) = 0;
    // FormatMessageW from the system's table, default language, inserts ignored; untrimmed.
    virtual String ErrorText(uint32_t code) = 0;
    // Vertical logical pixels per inch of the screen.
    virtual int LogicalPixelsY() = 0;

    // RegOpenKeyExW below HKEY_LOCAL_MACHINE in the 32-bit view; null when the open fails.
    virtual std::unique_ptr<RegistryKey> OpenLocalMachineKey(const String& path, uint32_t access) = 0;

    // GetFileAttributesW; on failure returns kInvalidFileAttributes with the error in *error.
    virtual uint32_t FileAttributes(const String& path, uint32_t* error) = 0;
    // FindFirstFileW (and FindClose): the attributes of the first match, if any.
    virtual std::optional<uint32_t> FindFirstFileAttributes(const String& path) = 0;
    // SetFileAttributesW (named apart from the macro of <windows.h>).
    virtual bool SetAttributes(const String& path, uint32_t attributes) = 0;
    // CreateFileW with the values as given (no security attributes, no template); null on failure
    // with the error in *error.
    virtual std::unique_ptr<File> OpenFile(const String& path, uint32_t access, uint32_t share,
                                           uint32_t disposition, uint32_t flagsAndAttributes,
                                           uint32_t* error) = 0;
    // MoveFileExW with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH.
    // There is no deletion by name: a name can lead to a file other than the one checked, so files
    // go only through the handle that checked them (File::MarkForDeletion).
    virtual bool MoveReplacing(const String& from, const String& to, uint32_t* error) = 0;
    // FindFirstFileW/FindNextFileW/FindClose: every match of a name or wildcard pattern, "." and
    // ".." left out; none when the search fails.
    virtual std::vector<FoundEntry> FindEntries(const String& pattern) = 0;

    // FindResourceW/LoadResource/SizeofResource/LockResource in the own module; nothing when the
    // item cannot be found or loaded.
    virtual std::optional<std::span<const uint8_t>> FindItem(const String& type, const String& name) = 0;

    // AddFontMemResourceEx; the handle's bits, 0 when the registration failed. Any other value
    // is a registration, also one that reads as negative in 32 bits (common in 32-bit processes).
    virtual uint64_t AddFontMemResource(const void* data, uint32_t size) = 0;

    // CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0) through the entry points bound on first use.
    virtual std::unique_ptr<ProcessSnapshot> SnapshotProcesses() = 0;

    // GetCurrentProcessId.
    virtual uint32_t ProcessId() = 0;
};

}  // namespace platform
