#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "platform/Platform.h"

// Puts the source's content in place of the target in one step: it is written to a new temporary
// file beside the target, flushed, given the target's DACL where that differs from the one the
// new file has, and renamed over the target, which keeps the spelling of its name; a failure at
// any point leaves the target as it was and removes the temporary file. Only the expected content
// is installed: a source that differs from it fails. Like a plain copy it refuses a read-only or
// hidden target, creates a missing one and fails when the source cannot be opened. Returns false
// on any failure.
bool ReplaceFileContents(platform::Platform& platform, const std::u16string& source, const std::u16string& target,
                         std::span<const uint8_t> expected);
