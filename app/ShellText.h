#pragma once
// Texts of the application shell that need no window.
#include <functional>
#include <string>
#include <string_view>

// The application title: the module file name after its last backslash, cut at its first dot,
// every character after the first lower-cased with the given function (CharLowerW on Windows).
std::u16string ApplicationTitle(const std::u16string& moduleFileName,
                                const std::function<std::u16string(const std::u16string&)>& lowerCase);

// The text of the exception report: a full stop is appended when the message is not empty and
// its last character has a code above that of the full stop.
std::u16string ExceptionReportText(std::u16string message);

// UTF-8 (the text of a std::exception) as UTF-16; each ill-formed part becomes one U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
