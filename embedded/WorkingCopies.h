#pragma once
// The working copies of the two embedded language files in the program folder.
#include <optional>
#include <string>

#include "platform/Platform.h"
#include "switcher/OwnFiles.h"

inline constexpr char16_t kLanguageItemType[] = u"RT_RCDATA";
inline constexpr char16_t kGermanItem[] = u"Deutsch";
inline constexpr char16_t kEnglishItem[] = u"Englisch";
inline constexpr char16_t kGermanCopyName[] = u"DEUTSCH.ENG";
inline constexpr char16_t kEnglishCopyName[] = u"ENGLISCH.ENG";

// The copies this run installed, by identity: the only files the close may delete.
struct WrittenCopies {
    std::optional<platform::FileIdentity> german;
    std::optional<platform::FileIdentity> english;
};

// Writes the German copy, then the English one, into the folder (which ends with a backslash),
// each under a temporary name renamed into place, and notes each one installed in `written`, also
// when the next one then fails. Throws ToolkitError when an item is missing, a copy cannot be
// created (also when its name is a link: the elevated tool must not write through a link that
// others planted), an existing copy is held open by another program, or a write fails.
void WriteWorkingCopies(platform::Platform& platform, const std::u16string& folder, WrittenCopies& written);

// Deletes each copy that this run installed, where its name still refers to that very file and it
// still holds the embedded bytes (RemoveIfMadeByThisRun); whatever else has taken the name stays,
// and failures are passed over.
void DeleteWorkingCopies(platform::Platform& platform, const std::u16string& folder, const WrittenCopies& written);
