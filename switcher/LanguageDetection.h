#pragma once
// Which language the editor's language file holds, judged from its first bytes.
#include <cstdint>
#include <string>

#include "platform/Platform.h"

inline constexpr uint32_t kSampleBytes = 9001;

// The sample text of the open file: for each of the offsets 0 to 9000 the byte read there, or the
// previous byte when none comes (past the end, or a failed read); zero bytes are left out, each
// other byte becomes the character of the same code. One bulk read serves the usual case; only a
// failing read falls back to reading the remaining offsets one by one.
std::u16string ReadSampleText(platform::File& file);

// True when the sample holds the German marker "Datei".
bool SampleIsGerman(const std::u16string& sample);
