#pragma once
#include <string>

#include "platform/Platform.h"

// True when the name denotes an existing file that is not a folder; links are followed.
bool IsExistingFile(platform::Platform& platform, const std::u16string& path);
