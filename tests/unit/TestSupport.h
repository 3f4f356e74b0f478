#pragma once
// Helpers shared by the unit tests.
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "FakePlatform.h"
#include "switcher/Errors.h"

// The message of the ToolkitError the action throws; a marker text when it throws none, so a
// comparison with the expected message fails with a readable difference.
template <class Action>
std::u16string ToolkitMessage(Action&& action) {
    try {
        std::forward<Action>(action)();
    } catch (const ToolkitError& error) {
        return error.Message();
    }
    return u"(no ToolkitError)";
}

// A file of the project's resources folder; nothing when it is not there (yet).
inline std::optional<fake::Bytes> ReadResource(const std::string& name) {
    std::ifstream in(std::string(RESOURCES_DIR) + "/" + name, std::ios::binary);
    if (!in) return std::nullopt;
    return fake::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
