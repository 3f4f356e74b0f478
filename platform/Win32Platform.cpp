#include "platform/Win32Platform.h"

#include <windows.h>
#include <aclapi.h>
#include <tlhelp32.h>

#include <cstring>
#include <mutex>
#include <string_view>
#include <vector>

#include "platform/Handles.h"

namespace platform {

namespace checks {
using namespace win;

static_assert(kErrorSuccess == ERROR_SUCCESS);
static_assert(kErrorFileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(kErrorPathNotFound == ERROR_PATH_NOT_FOUND);
static_assert(kErrorAccessDenied == ERROR_ACCESS_DENIED);
static_assert(kErrorWriteFault == ERROR_WRITE_FAULT);
static_assert(kErrorSharingViolation == ERROR_SHARING_VIOLATION);
static_assert(kErrorFileExists == ERROR_FILE_EXISTS);
static_assert(kErrorInvalidName == ERROR_INVALID_NAME);
static_assert(kErrorAlreadyExists == ERROR_ALREADY_EXISTS);
static_assert(kErrorCantAccessFile == ERROR_CANT_ACCESS_FILE);

static_assert(kInvalidFileAttributes == INVALID_FILE_ATTRIBUTES);
static_assert(kFileAttributeReadonly == FILE_ATTRIBUTE_READONLY);
static_assert(kFileAttributeHidden == FILE_ATTRIBUTE_HIDDEN);
static_assert(kFileAttributeSystem == FILE_ATTRIBUTE_SYSTEM);
static_assert(kFileAttributeDirectory == FILE_ATTRIBUTE_DIRECTORY);
static_assert(kFileAttributeArchive == FILE_ATTRIBUTE_ARCHIVE);
static_assert(kFileAttributeNormal == FILE_ATTRIBUTE_NORMAL);
static_assert(kFileAttributeReparsePoint == FILE_ATTRIBUTE_REPARSE_POINT);
static_assert(kFileFlagOpenReparsePoint == FILE_FLAG_OPEN_REPARSE_POINT);
static_assert(kIoReparseTagMountPoint == IO_REPARSE_TAG_MOUNT_POINT);
static_assert(kIoReparseTagSymlink == IO_REPARSE_TAG_SYMLINK);
static_assert(IsReparseTagNameSurrogate(0xFFFFFFFFu) == kReparseTagNameSurrogateBit);

static_assert(kGenericRead == GENERIC_READ);
static_assert(kGenericWrite == GENERIC_WRITE);
static_assert(kDelete == DELETE);
static_assert(kReadControl == READ_CONTROL);
static_assert(kWriteDac == WRITE_DAC);
static_assert(kFileShareRead == FILE_SHARE_READ);
static_assert(kFileShareWrite == FILE_SHARE_WRITE);
static_assert(kFileShareDelete == FILE_SHARE_DELETE);
static_assert(kCreateNew == CREATE_NEW);
static_assert(kCreateAlways == CREATE_ALWAYS);
static_assert(kOpenExisting == OPEN_EXISTING);

static_assert(kKeyAllAccess == KEY_ALL_ACCESS);
static_assert(kRegSuccess == ERROR_SUCCESS);
static_assert(kRegSz == REG_SZ);
static_assert(kRegExpandSz == REG_EXPAND_SZ);
static_assert(kRegBinary == REG_BINARY);
static_assert(kRegDword == REG_DWORD);
static_assert(kRegMultiSz == REG_MULTI_SZ);

static_assert(kMbIconError == MB_ICONERROR);
static_assert(kMbIconWarning == MB_ICONWARNING);

// The process record differs by build: 556 bytes in the 32-bit one, 568 in the 64-bit one.
static_assert(sizeof(void*) != 4 || kProcessEntrySize32Bit == sizeof(PROCESSENTRY32W));
static_assert(sizeof(void*) != 8 || sizeof(PROCESSENTRY32W) == 568);
static_assert(sizeof(ProcessEntry::szExeFile) == sizeof(PROCESSENTRY32W::szExeFile));
}  // namespace checks

namespace {

class Win32File final : public File {
public:
    explicit Win32File(UniqueFileHandle handle) : handle_(std::move(handle)) {}

    bool Seek(uint32_t offset) override {
        LONG high = 0;
        // INVALID_SET_FILE_POINTER is also a valid low part, so only the error code tells failure.
        SetLastError(NO_ERROR);
        const DWORD low = SetFilePointer(handle_.get(), static_cast<LONG>(offset), &high, FILE_BEGIN);
        return low != INVALID_SET_FILE_POINTER || GetLastError() == NO_ERROR;
    }

    bool Read(void* buffer, uint32_t size, uint32_t* read) override {
        DWORD done = 0;
        const bool ok = ReadFile(handle_.get(), buffer, size, &done, nullptr) != FALSE;
        if (read) *read = done;
        return ok;
    }

    bool Write(const void* data, uint32_t size, uint32_t* written) override {
        DWORD done = 0;
        const bool ok = WriteFile(handle_.get(), data, size, &done, nullptr) != FALSE;
        if (written) *written = done;
        return ok;
    }

    bool Flush() override { return FlushFileBuffers(handle_.get()) != FALSE; }

    uint32_t HandleAttributes() override {
        BY_HANDLE_FILE_INFORMATION info{};
        if (!GetFileInformationByHandle(handle_.get(), &info)) return win::kInvalidFileAttributes;
        return info.dwFileAttributes;
    }

    uint32_t ReparseTag() override {
        FILE_ATTRIBUTE_TAG_INFO info{};
        if (!GetFileInformationByHandleEx(handle_.get(), FileAttributeTagInfo, &info, sizeof info)) return 0;
        return (info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? info.ReparseTag : 0;
    }

    std::optional<FileIdentity> Identity() override {
        BY_HANDLE_FILE_INFORMATION info{};
        if (!GetFileInformationByHandle(handle_.get(), &info)) return std::nullopt;
        return FileIdentity{info.dwVolumeSerialNumber,
                            (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
    }

    bool MarkForDeletion() override {
        FILE_DISPOSITION_INFO info{};
        info.DeleteFile = TRUE;
        return SetFileInformationByHandle(handle_.get(), FileDispositionInfo, &info, sizeof info) != FALSE;
    }

    std::optional<std::vector<uint8_t>> Security() override {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (GetSecurityInfo(handle_.get(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr,
                            nullptr, &descriptor) != ERROR_SUCCESS)
            return std::nullopt;
        const UniqueLocal owner(descriptor);
        const auto* bytes = static_cast<const uint8_t*>(descriptor);
        return std::vector<uint8_t>(bytes, bytes + GetSecurityDescriptorLength(descriptor));
    }

    bool SetSecurity(const std::vector<uint8_t>& descriptor) override {
        // Copied, since the system takes the descriptor writable.
        std::vector<uint8_t> copy = descriptor;
        const auto self = static_cast<PSECURITY_DESCRIPTOR>(copy.data());
        if (copy.empty() || !IsValidSecurityDescriptor(self)) return false;
        // The DACL as it was, inherited entries and protection included: a file has nothing to
        // pass inheritance on to. Wine maps it onto the Unix mode, which its SetSecurityInfo does not.
        return SetKernelObjectSecurity(handle_.get(), DACL_SECURITY_INFORMATION, self) != FALSE;
    }

private:
    UniqueFileHandle handle_;
};

class Win32RegistryKey final : public RegistryKey {
public:
    explicit Win32RegistryKey(UniqueKey key) : key_(std::move(key)) {}

    int32_t QueryValue(const String& name, uint32_t* type, uint8_t* data, uint32_t* size) override {
        // DWORD is unsigned long here, so the values travel through locals of the system's type.
        DWORD valueType = type ? *type : 0;
        DWORD valueSize = size ? *size : 0;
        const LSTATUS status = RegQueryValueExW(key_.get(), Wide(name), nullptr, type ? &valueType : nullptr,
                                                data, size ? &valueSize : nullptr);
        if (type) *type = valueType;
        if (size) *size = valueSize;
        return status;
    }

private:
    UniqueKey key_;
};

// Looked up by name rather than imported, so the executable loads even where kernel32 lacks them.
using CreateSnapshotFunction = HANDLE(WINAPI*)(DWORD flags, DWORD processId);
using WalkFunction = BOOL(WINAPI*)(HANDLE snapshot, PROCESSENTRY32W* entry);

struct ToolHelp {
    CreateSnapshotFunction createSnapshot = nullptr;
    WalkFunction first = nullptr;
    WalkFunction next = nullptr;
};

template <typename Function>
Function Bind(HMODULE module, const char* name) {
    // Through the generic function pointer type, which GCC accepts casting to any other.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Binds once kernel32 is found and keeps the result, missing entries included; without the module
// the next call looks again.
ToolHelp BoundToolHelp() {
    static std::mutex mutex;
    static std::optional<ToolHelp> bound;
    const std::lock_guard lock(mutex);
    if (!bound) {
        const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
        if (!kernel) return {};
        bound = ToolHelp{Bind<CreateSnapshotFunction>(kernel, "CreateToolhelp32Snapshot"),
                         Bind<WalkFunction>(kernel, "Process32FirstW"),
                         Bind<WalkFunction>(kernel, "Process32NextW")};
    }
    return *bound;
}

class Win32ProcessSnapshot final : public ProcessSnapshot {
public:
    Win32ProcessSnapshot(const ToolHelp& toolHelp, UniqueSnapshot snapshot)
        : toolHelp_(toolHelp), snapshot_(std::move(snapshot)) {}

    bool First(ProcessEntry& entry) override { return Walk(toolHelp_.first, entry); }
    bool Next(ProcessEntry& entry) override { return Walk(toolHelp_.next, entry); }

private:
    bool Walk(WalkFunction step, ProcessEntry& entry) {
        if (!toolHelp_.createSnapshot || !step) return false;
        // The system checks dwSize against its own record, which is larger than the portable
        // 32-bit one in a 64-bit build.
        PROCESSENTRY32W native{};
        native.dwSize = sizeof(native);
        if (!step(snapshot_.get(), &native)) return false;
        std::memcpy(entry.szExeFile, native.szExeFile, sizeof(entry.szExeFile));
        return true;
    }

    ToolHelp toolHelp_;
    UniqueSnapshot snapshot_;
};

}  // namespace

std::optional<std::span<const uint8_t>> LoadEmbeddedItem(const wchar_t* type, const wchar_t* name) {
    const HRSRC info = FindResourceW(nullptr, name, type);
    if (!info) return std::nullopt;
    const HGLOBAL loaded = LoadResource(nullptr, info);
    if (!loaded) return std::nullopt;
    const void* data = LockResource(loaded);
    if (!data) return std::nullopt;
    return std::span<const uint8_t>(static_cast<const uint8_t*>(data), SizeofResource(nullptr, info));
}

String Win32Platform::ModuleFileName() {
    // Truncation shows as a result that fills the whole buffer; the longest path is 32767 units.
    for (DWORD capacity = MAX_PATH; capacity <= 65536; capacity *= 2) {
        std::vector<wchar_t> buffer(capacity);
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), capacity);
        if (length == 0) return {};
        if (length < capacity) return FromWide(buffer.data(), length);
    }
    return {};
}

String Win32Platform::LowerCase(const String& text) {
    String lower = text;
    if (!lower.empty()) {
        CharLowerBuffW(reinterpret_cast<wchar_t*>(lower.data()), static_cast<DWORD>(lower.size()));
    }
    return lower;
}

String Win32Platform::FullPathName(const String& path) {
    DWORD capacity = GetFullPathNameW(Wide(path), 0, nullptr, nullptr);
    // The needed size can grow between the calls if another thread changes the current directory.
    for (int attempt = 0; attempt < 3 && capacity != 0; ++attempt) {
        std::vector<wchar_t> buffer(capacity);
        const DWORD length = GetFullPathNameW(Wide(path), capacity, buffer.data(), nullptr);
        if (length == 0) break;
        if (length < capacity) return FromWide(buffer.data(), length);
        capacity = length;
    }
    return path;
}

String Win32Platform::ErrorText(uint32_t code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const UniqueLocal owner(text);
    if (length == 0 || !text) return {};
    return FromWide(text, length);
}

int Win32Platform::LogicalPixelsY() {
    if (logicalPixelsY_ == 0) {
        const ScreenDc screen;
        logicalPixelsY_ = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    }
    return logicalPixelsY_;
}

std::unique_ptr<RegistryKey> Win32Platform::OpenLocalMachineKey(const String& path, uint32_t access) {
    REGSAM desired = access;
    // Sees what a 32-bit program would: the 64-bit build asks for the WOW64 32-bit view.
    if constexpr (sizeof(void*) == 8) desired |= KEY_WOW64_32KEY;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(path), 0, desired, &key) != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32RegistryKey>(UniqueKey(key));
}

uint32_t Win32Platform::FileAttributes(const String& path, uint32_t* error) {
    const DWORD attributes = GetFileAttributesW(Wide(path));
    if (attributes == INVALID_FILE_ATTRIBUTES && error) *error = GetLastError();
    return attributes;
}

std::optional<uint32_t> Win32Platform::FindFirstFileAttributes(const String& path) {
    WIN32_FIND_DATAW data{};
    const UniqueFind find(FindFirstFileW(Wide(path), &data));
    if (!find) return std::nullopt;
    return data.dwFileAttributes;
}

bool Win32Platform::SetAttributes(const String& path, uint32_t attributes) {
    return SetFileAttributesW(Wide(path), attributes) != FALSE;
}

std::unique_ptr<File> Win32Platform::OpenFile(const String& path, uint32_t access, uint32_t share,
                                              uint32_t disposition, uint32_t flagsAndAttributes,
                                              uint32_t* error) {
    UniqueFileHandle handle(
        CreateFileW(Wide(path), access, share, nullptr, disposition, flagsAndAttributes, nullptr));
    if (!handle) {
        const DWORD code = GetLastError();
        if (error) *error = code;
        return nullptr;
    }
    return std::make_unique<Win32File>(std::move(handle));
}

bool Win32Platform::MoveReplacing(const String& from, const String& to, uint32_t* error) {
    if (MoveFileExW(Wide(from), Wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    const DWORD code = GetLastError();
    if (error) *error = code;
    return false;
}

std::vector<FoundEntry> Win32Platform::FindEntries(const String& pattern) {
    std::vector<FoundEntry> entries;
    WIN32_FIND_DATAW data{};
    const UniqueFind find(FindFirstFileW(Wide(pattern), &data));
    if (!find) return entries;
    do {
        const std::wstring_view name(data.cFileName);
        if (name == L"." || name == L"..") continue;
        // dwReserved0 holds the reparse tag when the entry is a reparse point.
        entries.push_back({FromWide(name.data(), name.size()), data.dwFileAttributes,
                           (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? data.dwReserved0 : 0});
    } while (FindNextFileW(find.get(), &data));
    return entries;
}

std::optional<std::span<const uint8_t>> Win32Platform::FindItem(const String& type, const String& name) {
    return LoadEmbeddedItem(Wide(type), Wide(name));
}

uint64_t Win32Platform::AddFontMemResource(const void* data, uint32_t size) {
    DWORD count = 0;
    const HANDLE handle = AddFontMemResourceEx(const_cast<void*>(data), size, nullptr, &count);
    return reinterpret_cast<uintptr_t>(handle);
}

std::unique_ptr<ProcessSnapshot> Win32Platform::SnapshotProcesses() {
    const ToolHelp toolHelp = BoundToolHelp();
    UniqueSnapshot snapshot;
    if (toolHelp.createSnapshot) snapshot.reset(toolHelp.createSnapshot(TH32CS_SNAPPROCESS, 0));
    return std::make_unique<Win32ProcessSnapshot>(toolHelp, std::move(snapshot));
}

uint32_t Win32Platform::ProcessId() { return GetCurrentProcessId(); }

}  // namespace platform
