#pragma once
// Owners for the Windows handles the tool holds, so each is closed exactly once on every path.
#include <windows.h>

#include <utility>

namespace platform {

// Traits supply the handle type, its empty value and how to close it.
template <typename Traits>
class UniqueHandle {
public:
    using Value = typename Traits::Value;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Value value) noexcept : value_(value) {}
    UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Value get() const noexcept { return value_; }
    explicit operator bool() const noexcept { return value_ != Traits::Empty(); }

    // Gives up ownership; the caller closes the handle.
    [[nodiscard]] Value release() noexcept { return std::exchange(value_, Traits::Empty()); }

    void reset(Value value = Traits::Empty()) noexcept {
        const Value old = std::exchange(value_, value);
        if (old != Traits::Empty() && old != value) Traits::Close(old);
    }

private:
    Value value_ = Traits::Empty();
};

namespace handle_traits {

// CreateFileW and CreateToolhelp32Snapshot report failure as INVALID_HANDLE_VALUE, not null.
struct FileHandle {
    using Value = HANDLE;
    static Value Empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Value value) noexcept { CloseHandle(value); }
};

struct RegistryKey {
    using Value = HKEY;
    static constexpr Value Empty() noexcept { return nullptr; }
    static void Close(Value value) noexcept { RegCloseKey(value); }
};

struct FindHandle {
    using Value = HANDLE;
    static Value Empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Value value) noexcept { FindClose(value); }
};

template <typename T>
struct GdiObject {
    using Value = T;
    static constexpr Value Empty() noexcept { return nullptr; }
    static void Close(Value value) noexcept { DeleteObject(value); }
};

struct Icon {
    using Value = HICON;
    static constexpr Value Empty() noexcept { return nullptr; }
    static void Close(Value value) noexcept { DestroyIcon(value); }
};

struct LocalMemory {
    using Value = HLOCAL;
    static constexpr Value Empty() noexcept { return nullptr; }
    static void Close(Value value) noexcept { LocalFree(value); }
};

// A DC of CreateCompatibleDC.
struct MemoryDc {
    using Value = HDC;
    static constexpr Value Empty() noexcept { return nullptr; }
    static void Close(Value value) noexcept { DeleteDC(value); }
};

struct ScreenDc {
    using Value = HDC;
    static constexpr Value Empty() noexcept { return nullptr; }
    static void Close(Value value) noexcept { ReleaseDC(nullptr, value); }
};

}  // namespace handle_traits

using UniqueFileHandle = UniqueHandle<handle_traits::FileHandle>;
using UniqueSnapshot = UniqueHandle<handle_traits::FileHandle>;
using UniqueKey = UniqueHandle<handle_traits::RegistryKey>;
using UniqueFind = UniqueHandle<handle_traits::FindHandle>;
template <typename T>
using UniqueGdiObject = UniqueHandle<handle_traits::GdiObject<T>>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueIcon = UniqueHandle<handle_traits::Icon>;
using UniqueLocal = UniqueHandle<handle_traits::LocalMemory>;
using UniqueMemoryDc = UniqueHandle<handle_traits::MemoryDc>;

// The whole screen's device context; empty when GetDC fails. Only DCs from GetDC(nullptr) belong
// here, since closing releases against the desktop.
class ScreenDc : public UniqueHandle<handle_traits::ScreenDc> {
public:
    ScreenDc() noexcept : UniqueHandle(GetDC(nullptr)) {}
};

}  // namespace platform
