#include "switcher/LanguageDetection.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "FakePlatform.h"
#include "TestSupport.h"

using namespace platform::win;

namespace {

constexpr char16_t kPath[] = u"C:\\Games\\AV\\av_map.eng";

// The edit control that the literal loop appends to with Edit1.Text := Edit1.Text + character. A text set
// into the control is kept up to its first U+0000, so its own text never holds one and the first
// U+0000 of the new text can only be the appended character: checking that one keeps the model
// linear (copying the whole text each step would cost seconds per file).
class EditControlModel {
public:
    void SetTextToTextPlus(char16_t character) {
        if (character != u'\0') text_ += character;
    }
    const std::u16string& Text() const { return text_; }

private:
    std::u16string text_;
};

// The literal one-byte loop, step by step: one seek and one single-byte read per offset, results
// ignored, so a read that delivers nothing leaves the sample byte as it was.
std::u16string ReferenceSampleText(platform::File& file) {
    EditControlModel edit1;
    uint8_t sample = 0;
    for (uint32_t i = 0; i <= 9000; ++i) {
        file.Seek(i);
        uint32_t read = 0;
        file.Read(&sample, 1, &read);
        edit1.SetTextToTextPlus(static_cast<char16_t>(sample));
    }
    return edit1.Text();
}

struct Texts {
    std::u16string production, reference;
};

// The sample text of both readings, each through a fresh handle as in the tool.
Texts ReadBoth(const fake::Bytes& content, const fake::IoFaults& faults = {}) {
    fake::FakePlatform fake;
    fake.AddFile(kPath, content);
    fake.fileFaults[kPath] = faults;
    uint32_t error = 0;
    Texts texts;
    {
        auto file = fake.OpenFile(kPath, kGenericRead, 0, kOpenExisting, kFileAttributeNormal, &error);
        texts.production = ReadSampleText(*file);
    }
    auto file = fake.OpenFile(kPath, kGenericRead, 0, kOpenExisting, kFileAttributeNormal, &error);
    texts.reference = ReferenceSampleText(*file);
    return texts;
}

fake::Bytes Filled(size_t count, char byte, std::string_view tail = {}) {
    fake::Bytes bytes(count, static_cast<uint8_t>(byte));
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
}

struct EdgeCase {
    const char* name;
    fake::Bytes content;
    bool german;
    std::optional<std::u16string> text;  // checked where the exact text says more than the verdict
    friend void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }
};

class SampleTextEdge : public testing::TestWithParam<EdgeCase> {};

TEST_P(SampleTextEdge, MatchesTheLiteralLoop) {
    const EdgeCase& c = GetParam();
    const Texts texts = ReadBoth(c.content);
    EXPECT_EQ(texts.production, texts.reference);
    EXPECT_EQ(SampleIsGerman(texts.production), c.german);
    if (c.text) {
        EXPECT_EQ(texts.production, *c.text);
    }
}

const std::u16string kHighCharacters = [] {
    std::u16string text;
    for (char16_t c = 0x80; c <= 0xFF; ++c) text += c;
    return text;
}();

const fake::Bytes kHighBytes = [] {
    fake::Bytes bytes;
    for (int b = 0x80; b <= 0xFF; ++b) bytes.push_back(static_cast<uint8_t>(b));
    bytes.resize(9001, 0);  // zeros leave no trace
    return bytes;
}();

INSTANTIATE_TEST_SUITE_P(
    Files, SampleTextEdge,
    testing::Values(
        EdgeCase{"DateiEndingAtTheLastSampledByte", Filled(8996, 'x', "Datei...."), true, std::nullopt},
        EdgeCase{"DateiOneByteTooLate", Filled(8997, 'x', "Datei...."), false, std::nullopt},
        EdgeCase{"UpperCaseIsNoMarker", Filled(100, 'x', "DATEI datei dAtei"), false, std::nullopt},
        EdgeCase{"Utf16MarkerFound", fake::ToBytes("\xFF\xFE" "D\0a\0t\0e\0i\0 \0"), true, std::nullopt},
        EdgeCase{"EmptyFile", {}, false, u""},
        EdgeCase{"ShortFileRepeatsItsLastByte", Filled(95, 'x', "Datei"), true,
                 std::u16string(95, u'x') + u"Datei" + std::u16string(9001 - 100, u'i')},
        EdgeCase{"ExactlyTheSampleSize", Filled(8996, 'x', "Datei"), true,
                 std::u16string(8996, u'x') + u"Datei"},
        EdgeCase{"HighBytesBecomeLatin1", kHighBytes, false, kHighCharacters}),
    [](const testing::TestParamInfo<EdgeCase>& info) { return std::string(info.param.name); });

struct LanguageFile {
    const char* file;
    size_t characters;
    size_t firstMarker;  // counted from 0; the editor's own count starts at 1
};

class SampleTextOfLanguageFile : public testing::TestWithParam<LanguageFile> {};

TEST_P(SampleTextOfLanguageFile, MatchesTheLiteralLoop) {
    const LanguageFile& c = GetParam();
    const auto content = ReadResource(c.file);
    if (!content) GTEST_SKIP() << "resources/" << c.file << " is not there yet";
    const Texts texts = ReadBoth(*content);
    EXPECT_EQ(texts.production, texts.reference);
    EXPECT_EQ(texts.production.size(), c.characters);
    EXPECT_EQ(texts.production.find(u"Datei"), c.firstMarker);
    EXPECT_EQ(SampleIsGerman(texts.production), c.firstMarker != std::u16string::npos);
}

INSTANTIATE_TEST_SUITE_P(Resources, SampleTextOfLanguageFile,
                         testing::Values(LanguageFile{"deutsch.eng", 1666, 745},
                                         LanguageFile{"englisch.eng", 1650, std::u16string::npos}),
                         [](const testing::TestParamInfo<LanguageFile>& info) {
                             return info.index == 0 ? std::string("German") : std::string("English");
                         });

// Random contents, many of them zeros, with reads that fail at some offsets, bulk reads that fail
// and short reads: the text must be the literal loop's in every case.
TEST(SampleText, MatchesTheLiteralLoopOnRandomFilesWithFailingReads) {
    std::mt19937 random(90017);
    const auto uniform = [&](uint32_t low, uint32_t high) {
        return std::uniform_int_distribution<uint32_t>(low, high)(random);
    };
    for (int round = 0; round < 300; ++round) {
        fake::Bytes content(uniform(0, 12000));
        for (uint8_t& byte : content) byte = uniform(0, 9) < 4 ? 0 : static_cast<uint8_t>(uniform(1, 255));
        if (!content.empty() && uniform(0, 3) == 0) {
            const std::string marker = "Datei";
            const size_t at = uniform(0, static_cast<uint32_t>(content.size() - 1));
            for (size_t i = 0; i < marker.size() && at + i < content.size(); ++i) content[at + i] = marker[i];
        }

        fake::IoFaults faults;
        std::ostringstream description;
        description << "round " << round << ", " << content.size() << " bytes";
        for (uint32_t ranges = uniform(0, 3); ranges > 0; --ranges) {
            const uint32_t begin = uniform(0, 9500);
            const uint32_t end = begin + (uniform(0, 4) == 0 ? uniform(1, 3000) : uniform(1, 40));
            faults.failingReads.push_back({begin, end});
            description << ", reads of " << begin << ".." << end - 1 << " fail";
        }
        if (uniform(0, 3) == 0) {
            faults.failReadsLongerThan = uniform(1, 9001);
            description << ", reads of over " << faults.failReadsLongerThan << " bytes fail";
        }
        if (uniform(0, 2) == 0) {
            faults.maxBytesPerRead = uniform(1, 4000);
            description << ", reads deliver at most " << faults.maxBytesPerRead << " bytes";
        }
        SCOPED_TRACE(description.str());

        const Texts texts = ReadBoth(content, faults);
        ASSERT_EQ(texts.production, texts.reference);
    }
}

}  // namespace
