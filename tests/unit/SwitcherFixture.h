#pragma once
// The switcher on a fake platform with a complete installation, and a window that records what
// the switcher shows.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "TestSupport.h"
#include "switcher/MainView.h"
#include "switcher/Switcher.h"

inline void PrintTo(const FontSpec& font, std::ostream* os) {
    *os << testing::PrintToString(font.family) << " height " << font.height << " colour " << font.color
        << " charset " << int{font.charset} << " style " << int{font.style};
}

class FakeView : public MainView {
public:
    struct Message {
        std::u16string text, caption;
        uint32_t flags;
        bool operator==(const Message&) const = default;
        friend void PrintTo(const Message& m, std::ostream* os) {
            *os << testing::PrintToString(m.text) << " / " << testing::PrintToString(m.caption) << " / " << m.flags;
        }
    };
    struct Fonts {
        FontSpec window, label;
    };

    int ShowMessage(const std::u16string& text, const std::u16string& caption, uint32_t flags) override {
        messages.push_back({text, caption, flags});
        events.push_back("ShowMessage");
        return 1;
    }
    void SetStartCaption(const std::u16string& caption) override {
        startCaptions.push_back(caption);
        events.push_back("SetStartCaption");
    }
    void SetEdit1Text(const std::u16string& text) override {
        edit1Texts.push_back(text);
        events.push_back("SetEdit1Text");
    }
    // Made at the resolution the window would lay them out at.
    void ApplyFonts(const WindowFonts& chosen) override {
        fonts.push_back({chosen.Window(dpi), chosen.Label(dpi)});
        events.push_back("ApplyFonts");
    }
    void CloseWindow() override { events.push_back("CloseWindow"); }

    std::vector<Message> messages;
    std::vector<std::u16string> startCaptions;
    std::vector<std::u16string> edit1Texts;
    std::vector<Fonts> fonts;
    std::vector<std::string> events;  // every call, in order
    int dpi = 96;
};

// The installation every switcher test starts from. Named apart from the production constants:
// inline variables of the same name would be merged whatever their types.
namespace installation {
inline constexpr char16_t kGameKey[] = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\av.exe";
inline constexpr char16_t kMapEditor[] = u"C:\\Games\\AV\\AV_mapper.exe";
inline constexpr char16_t kLanguageFile[] = u"C:\\Games\\AV\\av_map.eng";
inline constexpr char16_t kGermanCopy[] = u"C:\\Tools\\DEUTSCH.ENG";
inline constexpr char16_t kEnglishCopy[] = u"C:\\Tools\\ENGLISCH.ENG";
inline const fake::Bytes kGermanFile = fake::ToBytes("\0Datei\0\0Bearbeiten\0Ansicht\0");
inline const fake::Bytes kEnglishFile = fake::ToBytes("\0File\0\0Edit\0View\0");
inline const FontSpec kDesignedFont{u"Comic Sans MS", -11, 0, 1, 0};
}  // namespace installation
using namespace installation;

class SwitcherTest : public testing::Test {
protected:
    SwitcherTest() { Install(); }

    // A fresh platform and window for the next case of a table.
    void Reinstall() {
        switcher.reset();
        fake = fake::FakePlatform();
        view = FakeView();
        Install();
    }

    // The switcher as the window constructs it; the platform is read as arranged by then.
    Switcher& Make() {
        switcher = std::make_unique<Switcher>(fake, view, kDesignedFont);
        return *switcher;
    }

    // Makes the switcher and runs its start-up, which must succeed.
    Switcher& Started() {
        Make().FormCreate();
        return *switcher;
    }

    fake::Bytes LanguageFileBytes() {
        const fake::Node* node = fake.Find(kLanguageFile);
        return node ? node->bytes : fake::ToBytes("(missing)");
    }

    fake::FakePlatform fake;
    FakeView view;
    std::unique_ptr<Switcher> switcher;

private:
    void Install() {
        fake.moduleFileName = u"C:\\Tools\\AVSprache.exe";
        fake.AddFolder(u"C:\\Tools");
        fake.AddFolder(u"C:\\Work");
        fake.registry[kGameKey][u"Path"] = fake::StringValue(u"C:\\Games\\AV");
        fake.AddFile(kMapEditor, fake::ToBytes("MZ"));
        fake.AddFile(kLanguageFile, kEnglishFile);
        fake.items[{u"RT_RCDATA", u"Deutsch"}] = kGermanFile;
        fake.items[{u"RT_RCDATA", u"Englisch"}] = kEnglishFile;
        fake.items[{u"AV", u"TTF"}] = fake::ToBytes("font of the window");
        fake.items[{u"STONE", u"TTF"}] = fake::ToBytes("font of the label");
    }
};
