#include "switcher/Errors.h"

std::u16string FillTemplate(std::u16string_view templ, std::initializer_list<std::u16string_view> args) {
    std::u16string out;
    auto next = args.begin();
    for (size_t i = 0; i < templ.size(); ++i) {
        if (templ[i] == u'%' && i + 1 < templ.size() && templ[i + 1] == u's' && next != args.end()) {
            out += *next++;
            ++i;
        } else {
            out += templ[i];
        }
    }
    return out;
}

std::u16string TrimSystemText(std::u16string text) {
    while (!text.empty() && (text.back() <= u' ' || text.back() == u'.')) text.pop_back();
    return text;
}
