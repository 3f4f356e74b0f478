#pragma once
// Exceptions of the tool's logic and the helpers that build their texts.
#include <exception>
#include <initializer_list>
#include <string>

// A failure the tool does not check for itself; the shell's exception report shows its message.
class ToolkitError : public std::exception {
public:
    explicit ToolkitError(std::u16string message) : message_(std::move(message)) {}
    const std::u16string& Message() const { return message_; }
    const char* what() const noexcept override { return "ToolkitError"; }

private:
    std::u16string message_;
};

// Raised by the start-up sequence after its error box: the shell ends the process in order.
struct EndProcessRequest {};

// Fills each "%s" of a template with the next argument, in order.
std::u16string FillTemplate(std::u16string_view templ, std::initializer_list<std::u16string_view> args);

// A system error text as messages show it: trailing blanks, control characters and full stops removed.
std::u16string TrimSystemText(std::u16string text);
