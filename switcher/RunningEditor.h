#pragma once
#include <string>

#include "platform/Platform.h"

// The image name as a process entry gives it: the code units before the first zero, or all 260.
std::u16string ImageName(const platform::ProcessEntry& entry);

// True when the image name, or its part after the last backslash or colon, equals the wanted
// name with ASCII letters compared without regard to case.
bool ImageNameMatches(const std::u16string& imageName, const std::u16string& wanted);

// True when a process with the wanted image name is running; false also when the process list
// cannot be read. The walk always runs to the end of the list.
bool IsProcessRunning(platform::Platform& platform, const std::u16string& wanted);
