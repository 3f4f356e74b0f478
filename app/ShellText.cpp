#include "app/ShellText.h"

#include <algorithm>

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
