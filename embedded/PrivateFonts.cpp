#include "embedded/PrivateFonts.h"

#include "switcher/Errors.h"
#include "switcher/Texts.h"

int PointsToHeight(int points, int logicalPixelsY) {
    const long long scaled = static_cast<long long>(points) * logicalPixelsY;
    const long long rounded = (2 * scaled + (scaled >= 0 ? 72 : -72)) / 144;  // halves away from zero
    return -static_cast<int>(rounded);
}

int ScaleFrom96(int value96, int dpi) {
    const long long scaled = static_cast<long long>(value96) * dpi;
    return static_cast<int>((scaled + (scaled >= 0 ? 48 : -48)) / 96);
}

FontSpec WindowFonts::At(const Chosen& chosen, int dpi) {
    FontSpec font = chosen.font;
    font.height = chosen.points ? PointsToHeight(chosen.points, dpi) : ScaleFrom96(chosen.font.height, dpi);
    return font;
}

void WindowFonts::SetWindowFamily(const std::u16string& family) { window_.font.family = family.substr(0, 31); }
void WindowFonts::SetWindowSize(int points) { window_.points = points; }

WindowFonts::Chosen& WindowFonts::OwnLabel() {
    if (!label_) label_ = window_;
    return *label_;
}

void WindowFonts::SetLabelFamily(const std::u16string& family) { OwnLabel().font.family = family.substr(0, 31); }
void WindowFonts::SetLabelColor(uint32_t color) { OwnLabel().font.color = color; }
void WindowFonts::SetLabelSize(int points) { OwnLabel().points = points; }

namespace {

// Registers one font item; true when the system took it. Success is any handle but null: a
// signed test would read many handles of a 32-bit process as failures.
bool RegisterFontItem(platform::Platform& platform, const std::u16string& type) {
    const auto item = platform.FindItem(type, u"TTF");
    if (!item) throw ToolkitError(FillTemplate(texts::kItemNotFound, {u"TTF"}));
    return platform.AddFontMemResource(item->data(), static_cast<uint32_t>(item->size())) != 0;
}

}  // namespace

void RegisterPrivateFonts(platform::Platform& platform, WindowFonts& fonts) {
    if (RegisterFontItem(platform, u"AV")) {
        fonts.SetWindowFamily(kWindowFamily);
        fonts.SetWindowSize(10);
    } else {
        fonts.SetWindowFamily(kFallbackFamily);
    }

    if (RegisterFontItem(platform, u"STONE")) {
        fonts.SetLabelFamily(kLabelFamily);
        fonts.SetLabelColor(kLabelColor);
        fonts.SetLabelSize(13);
    } else {
        fonts.SetWindowFamily(kFallbackFamily);  // the label still follows the window here
    }
}
