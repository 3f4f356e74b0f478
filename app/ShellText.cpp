#include "app/ShellText.h"

#include <algorithm>
#include <cstdint>

std::u16string ApplicationTitle(const std::u16string& moduleFileName,
                                const std::function<std::u16string(const std::u16string&)>& lowerCase) {
    const size_t slash = moduleFileName.find_last_of(u'\\');
    std::u16string name = slash == std::u16string::npos ? moduleFileName : moduleFileName.substr(slash + 1);
    name.resize(std::min(name.size(), name.find(u'.')));
    if (name.size() <= 1) return name;
    std::u16string title(1, name.front());
    title += lowerCase(name.substr(1));
    return title;
}

std::u16string ExceptionReportText(std::u16string message) {
    if (!message.empty() && message.back() > u'.') message += u'.';
    return message;
}

std::u16string Utf8ToUtf16(std::string_view text) {
    constexpr char16_t kReplacement = 0xFFFD;
    std::u16string out;
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<uint8_t>(text[i]);
        if (lead < 0x80) {
            out += static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        // Length and the range of the second byte, which excludes overlong forms, surrogates and
        // code points above U+10FFFF.
        size_t length = 0;
        uint8_t low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        }
        if (length == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        uint32_t code = lead & (0xFF >> (length + 1));
        size_t taken = 1;
        for (; taken < length && i + taken < text.size(); ++taken) {
            const auto next = static_cast<uint8_t>(text[i + taken]);
            if (next < (taken == 1 ? low : 0x80) || next > (taken == 1 ? high : 0xBF)) break;
            code = (code << 6) | (next & 0x3F);
        }
        i += taken;
        if (taken < length) {
            out += kReplacement;
        } else if (code >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
    }
    return out;
}
