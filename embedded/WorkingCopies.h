#pragma once
// The working copies of the two embedded language files in the program folder.
#include <string>

#include "platform/Platform.h"

inline constexpr char16_t kLanguageItemType[] = u"RT_RCDATA";
inline constexpr char16_t kGermanItem[] = u"Deutsch";
inline constexpr char16_t kEnglishItem[] = u"Englisch";
inline constexpr char16_t kGermanCopyName[] = u"DEUTSCH.ENG";
inline constexpr char16_t kEnglishCopyName[] = u"ENGLISCH.ENG";

// Writes the German copy, then the English one, into the folder (which ends with a backslash).
// Throws ToolkitError when an item is missing, a copy cannot be created (also when its name is a
// link: the elevated tool must not write through a link that others planted) or a write fails.
void WriteWorkingCopies(platform::Platform& platform, const std::u16string& folder);

// Deletes both copies, leaving a read-only file of either name alone; failures are passed over.
void DeleteWorkingCopies(platform::Platform& platform, const std::u16string& folder);
