#pragma once
// The Platform services on Win32, each a direct call of the system function.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "platform/Platform.h"

namespace platform {

// On Windows wchar_t holds UTF-16 units, so the portable strings cross the API boundary as they are.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t must be a UTF-16 unit");

inline const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::u16string FromWide(const wchar_t* text, size_t length) {
    return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

// An item embedded in the executable's resources. type and name may be MAKEINTRESOURCE values
// (RT_RCDATA, RT_GROUP_ICON). The bytes stay valid for the life of the process.
std::optional<std::span<const uint8_t>> LoadEmbeddedItem(const wchar_t* type, const wchar_t* name);

class Win32Platform final : public Platform {
public:
    String ModuleFileName() override;
    String LowerCase(const String& text) override;
    String FullPathName(const String& path) override;
    String ErrorText(uint32_t code) override;
    // Read once: the first layout's resolution where the system cannot tell monitors apart.
    int LogicalPixelsY() override;

    std::unique_ptr<RegistryKey> OpenLocalMachineKey(const String& path, uint32_t access) override;

    uint32_t FileAttributes(const String& path, uint32_t* error) override;
    std::optional<uint32_t> FindFirstFileAttributes(const String& path) override;
    bool SetAttributes(const String& path, uint32_t attributes) override;
    std::unique_ptr<File> OpenFile(const String& path, uint32_t access, uint32_t share, uint32_t disposition,
                                   uint32_t flagsAndAttributes, uint32_t* error) override;
    bool MoveReplacing(const String& from, const String& to, uint32_t* error) override;
    std::vector<FoundEntry> FindEntries(const String& pattern) override;

    std::optional<std::span<const uint8_t>> FindItem(const String& type, const String& name) override;

    uint64_t AddFontMemResource(const void* data, uint32_t size) override;

    std::unique_ptr<ProcessSnapshot> SnapshotProcesses() override;

    uint32_t ProcessId() override;

private:
    int logicalPixelsY_ = 0;
};

}  // namespace platform

