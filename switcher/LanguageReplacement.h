#pragma once
#include <string>

#include "platform/Platform.h"

// Puts the source's content in place of the target in one step: it is written to a temporary file
// beside the target, flushed, and renamed over the target, so a failure at any point leaves the
// target as it was. Like a plain copy it refuses a read-only or hidden target, creates a missing
// one and fails when the source cannot be opened. Returns false on any failure.
bool ReplaceFileContents(platform::Platform& platform, const std::u16string& source,
                         const std::u16string& target);
