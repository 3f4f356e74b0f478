#include "switcher/Registry.h"

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "TestSupport.h"

using namespace platform::win;

namespace {

constexpr char16_t kKey[] = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\av.exe";

// UTF-16LE bytes of a text, without a terminator.
fake::Bytes Utf16(std::u16string_view text) {
    fake::Bytes bytes;
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
    return bytes;
}

fake::RegistryValue Raw(uint32_t type, fake::Bytes data, int32_t dataQueryStatus = 0) {
    return {type, std::move(data), dataQueryStatus};
}

struct ReadCase {
    const char* name;
    std::optional<fake::RegistryValue> value;  // nothing: the value is missing
    std::u16string valueName;
    std::u16string expected;  // the text read, or the message of the ToolkitError
    bool throws;
    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class ReadString : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadString, DecodesTheValueOrRejectsIt) {
    const ReadCase& c = GetParam();
    fake::FakePlatform fake;
    auto& values = fake.registry[kKey];
    if (c.value) values[c.valueName] = *c.value;
    Registry registry(fake);
    ASSERT_TRUE(registry.OpenKey(kKey));

    std::u16string text = u"(not read)";
    const std::u16string error = ToolkitMessage([&] { text = registry.ReadString(c.valueName); });
    if (c.throws) {
        EXPECT_EQ(error, c.expected);
    } else {
        EXPECT_EQ(error, u"(no ToolkitError)");
        EXPECT_EQ(text, c.expected);
    }
}

const fake::Bytes kOddBytes = [] {
    fake::Bytes bytes = Utf16(u"AB");
    bytes.push_back('C');
    return bytes;
}();

INSTANTIATE_TEST_SUITE_P(
    Values, ReadString,
    testing::Values(
        ReadCase{"RegSz", fake::StringValue(u"C:\\Games\\AV"), u"Path", u"C:\\Games\\AV", false},
        ReadCase{"ExpandSzTakenLiterally", fake::StringValue(u"%ProgramFiles%\\AV", kRegExpandSz), u"Path",
                 u"%ProgramFiles%\\AV", false},
        ReadCase{"NulInTheMiddleCutsTheText", Raw(kRegSz, Utf16(std::u16string(u"C:\\A\0B", 6))), u"Path",
                 u"C:\\A", false},
        ReadCase{"NoTerminatorTakenWhole", Raw(kRegSz, Utf16(u"C:\\AV")), u"Path", u"C:\\AV", false},
        ReadCase{"OddByteDropped", Raw(kRegSz, kOddBytes), u"Path", u"AB", false},
        ReadCase{"SizeZeroIsEmpty", Raw(kRegSz, {}), u"Path", u"", false},
        ReadCase{"SizeZeroOfAnotherTypeIsEmpty", Raw(kRegDword, {}), u"Path", u"", false},
        ReadCase{"MissingValueIsEmpty", std::nullopt, u"Path", u"", false},
        ReadCase{"DwordRejected", Raw(kRegDword, {1, 0, 0, 0}), u"Path", u"Ung\u00fcltiger Datentyp f\u00fcr 'Path'", true},
        ReadCase{"BinaryRejected", Raw(kRegBinary, Utf16(u"C:\\AV")), u"Path",
                 u"Ung\u00fcltiger Datentyp f\u00fcr 'Path'", true},
        ReadCase{"MultiSzRejected", Raw(kRegMultiSz, Utf16(std::u16string(u"C:\\AV\0\0", 7))), u"Path",
                 u"Ung\u00fcltiger Datentyp f\u00fcr 'Path'", true},
        ReadCase{"RejectionNamesTheValue", Raw(kRegDword, {1, 0, 0, 0}), u"Version",
                 u"Ung\u00fcltiger Datentyp f\u00fcr 'Version'", true},
        ReadCase{"SecondQueryFails", Raw(kRegSz, Utf16(u"C:\\AV"), 5), u"Path",
                 u"Fehler beim Holen der Daten f\u00fcr 'Path'", true},
        // The data is fetched before its type is judged.
        ReadCase{"SecondQueryFailsBeforeTheTypeCounts", Raw(kRegDword, {1, 0, 0, 0}, 5), u"Path",
                 u"Fehler beim Holen der Daten f\u00fcr 'Path'", true}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(Registry, OpensTheKeyBelowTheRootWithFullAccess) {
    fake::FakePlatform fake;
    fake.registry[kKey][u"Path"] = fake::StringValue(u"C:\\Games\\AV");
    Registry registry(fake);

    ASSERT_TRUE(registry.OpenKey(kKey));

    const auto opens = fake.CallsTo("OpenLocalMachineKey");
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].path, kKey);
    EXPECT_EQ(opens[0].values, std::vector<uint32_t>{0xF003F});
}

TEST(Registry, KeyThatCannotBeOpenedReadsAsEmpty) {
    fake::FakePlatform fake;
    Registry registry(fake);

    EXPECT_FALSE(registry.OpenKey(kKey));
    EXPECT_EQ(registry.ReadString(u"Path"), u"");
}

}  // namespace
