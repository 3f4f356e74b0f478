#include "switcher/RunningEditor.h"

#include <algorithm>

namespace {

std::u16string AsciiUpper(std::u16string text) {
    for (char16_t& unit : text)
        if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - 0x20);
    return text;
}

}  // namespace

std::u16string ImageName(const platform::ProcessEntry& entry) {
    const auto* begin = entry.szExeFile;
    const auto* end = std::find(begin, begin + std::size(entry.szExeFile), u'\0');
    return std::u16string(begin, end);
}

bool ImageNameMatches(const std::u16string& imageName, const std::u16string& wanted) {
    const std::u16string wantedUpper = AsciiUpper(wanted);
    const size_t delimiter = imageName.find_last_of(u"\\:");
    const std::u16string namePart =
        delimiter == std::u16string::npos ? imageName : imageName.substr(delimiter + 1);
    return AsciiUpper(namePart) == wantedUpper || AsciiUpper(imageName) == wantedUpper;
}

bool IsProcessRunning(platform::Platform& platform, const std::u16string& wanted) {
    auto snapshot = platform.SnapshotProcesses();
    if (!snapshot) return false;
    platform::ProcessEntry entry;
    entry.dwSize = platform::win::kProcessEntrySize32Bit;
    bool running = false;
    for (bool more = snapshot->First(entry); more; more = snapshot->Next(entry))
        if (ImageNameMatches(ImageName(entry), wanted)) running = true;
    return running;
}
