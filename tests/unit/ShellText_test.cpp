#include "app/ShellText.h"

#include <gtest/gtest.h>

#include "FakePlatform.h"

namespace {

TEST(ApplicationTitle, IsTheFileNameBeforeItsFirstDotWithTheRestLowerCased) {
    struct Case {
        std::u16string moduleFileName, title;
    };
    const Case cases[] = {
        {u"C:\\x\\AVSprache.exe", u"Avsprache"},
        {u"C:\\x\\AV.Sprache.Tool.exe", u"Av"},
        {u"C:\\x\\aVSPRACHE.EXE", u"avsprache"},  // the first character keeps its case
        {u"C:\\x\\\u00c4RGER.exe", u"\u00c4rger"},
        {u"AVSprache.exe", u"Avsprache"},
        {u"C:\\Spiele.alt\\AVSprache", u"Avsprache"},  // a dot in a folder name does not count
        {u"C:\\x\\.exe", u""},
        {u"C:\\x\\A.exe", u"A"},
        {u"C:\\x\\", u""},
        {u"", u""},
    };
    fake::FakePlatform fake;  // its LowerCase stands for CharLowerW
    const auto lowerCase = [&](const std::u16string& text) { return fake.LowerCase(text); };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.moduleFileName));
        EXPECT_EQ(ApplicationTitle(c.moduleFileName, lowerCase), c.title);
    }
}

TEST(ExceptionReportText, AddsAFullStopAfterACharacterAboveTheFullStop) {
    struct Case {
        std::u16string message, report;
    };
    const Case cases[] = {
        {u"Ressource TTF nicht gefunden", u"Ressource TTF nicht gefunden."},
        {u"Fehler 5", u"Fehler 5."},
        {u"C:/", u"C:/."},  // U+002F lies just above the full stop
        {u"Fertig!", u"Fertig!"},
        {u"Fehler (5)", u"Fehler (5)"},
        {u"f\u00fcr 'Path'", u"f\u00fcr 'Path'"},
        {u"Ende.", u"Ende."},
        {u"Bindestrich-", u"Bindestrich-"},
        {u"", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.message));
        EXPECT_EQ(ExceptionReportText(c.message), c.report);
    }
}

}  // namespace

namespace {

TEST(Utf8ToUtf16, DecodesEveryLengthAndReplacesWhatIsIllFormed) {
    struct Case {
        const char* name;
        std::string utf8;
        std::u16string utf16;
    };
    const Case cases[] = {
        {"ascii", "Stream-Schreibfehler", u"Stream-Schreibfehler"},
        {"two bytes", "Ung\xC3\xBCltig", u"Ung\u00fcltig"},
        {"three bytes", "5 \xE2\x82\xAC", u"5 \u20ac"},
        {"four bytes", "\xF0\x9F\x98\x80!", u"\U0001F600!"},
        {"highest code point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
        {"lone continuation", "a\x80z", u"a\ufffdz"},
        {"Latin-1 byte", "M\xFC" "ll", u"M\ufffdll"},
        {"truncated then ASCII", "\xE2\x82z", u"\ufffdz"},
        {"truncated at the end", "x\xF0\x9F\x98", u"x\ufffd"},
        {"overlong", "\xC0\xAF", u"\ufffd\ufffd"},
        {"overlong three bytes", "\xE0\x80\xAF", u"\ufffd\ufffd\ufffd"},
        {"encoded surrogate", "\xED\xA0\x80", u"\ufffd\ufffd\ufffd"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", u"\ufffd\ufffd\ufffd\ufffd"},
        {"empty", "", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
    }
}

}  // namespace
