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
