#pragma once
// The registry accessor of the game-folder lookup: HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS, at most one
// open key, which it closes when released.
#include <memory>
#include <string>

#include "platform/Platform.h"

class Registry {
public:
    explicit Registry(platform::Platform& platform) : platform_(platform) {}

    // Opens a key below the root; never creates it. False when the open fails.
    bool OpenKey(const std::u16string& path);

    // The value as a string: empty when it is missing or has no data; a REG_SZ or REG_EXPAND_SZ
    // value up to its first NUL, unexpanded. Throws ToolkitError for any other type or a failing
    // second query.
    std::u16string ReadString(const std::u16string& name);

private:
    platform::Platform& platform_;
    std::unique_ptr<platform::RegistryKey> key_;
};
