#include "switcher/Registry.h"

#include <vector>

#include "switcher/Errors.h"
#include "switcher/Texts.h"

using namespace platform::win;

bool Registry::OpenKey(const std::u16string& path) {
    key_ = platform_.OpenLocalMachineKey(path, kKeyAllAccess);
    return key_ != nullptr;
}

std::u16string Registry::ReadString(const std::u16string& name) {
    if (!key_) return {};
    uint32_t type = 0;
    uint32_t size = 0;
    if (key_->QueryValue(name, &type, nullptr, &size) != kRegSuccess || size == 0) return {};

    std::vector<uint8_t> data(size);
    uint32_t filled = size;
    if (key_->QueryValue(name, &type, data.data(), &filled) != kRegSuccess)
        throw ToolkitError(FillTemplate(texts::kCannotGetData, {name}));
    if (type != kRegSz && type != kRegExpandSz)
        throw ToolkitError(FillTemplate(texts::kInvalidDataType, {name}));

    // An odd trailing byte is no whole code unit; a value without a terminating NUL is taken whole.
    std::u16string text;
    const size_t units = std::min<size_t>(filled, size) / 2;
    text.reserve(units);
    for (size_t i = 0; i < units; ++i) {
        const char16_t unit = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
        if (unit == 0) break;
        text += unit;
    }
    return text;
}
