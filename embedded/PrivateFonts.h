#pragma once
// The fonts of the window and of its label, and their choice from the embedded fonts.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Platform.h"

struct FontSpec {
    std::u16string family;
    int height = 0;          // pixels; negative: character height without internal leading
    uint32_t color = 0;      // 0x00BBGGRR
    uint8_t charset = 0;
    uint8_t style = 0;       // bit 0 bold, 1 italic, 2 underline, 3 strikeout
    bool operator==(const FontSpec&) const = default;
};

// -(points * dpi / 72), halves rounded away from zero.
int PointsToHeight(int points, int logicalPixelsY);
// The one place where a design value at 96 pixels per inch becomes one at another resolution
// (the window's layout and its fonts), rounded as MulDiv rounds: halves away from zero.
int ScaleFrom96(int value96, int dpi);

// The window's font and the label's, as chosen once at start-up; the window makes them at
// whatever resolution it is laid out at. The label follows the window's font until one of its own
// attributes is set; from then on it keeps its own copy.
class WindowFonts {
public:
    // designed: the window description's font, its height at 96 pixels per inch.
    explicit WindowFonts(FontSpec designed) : window_{std::move(designed)} {}

    void SetWindowFamily(const std::u16string& family);
    void SetWindowSize(int points);
    void SetLabelFamily(const std::u16string& family);
    void SetLabelColor(uint32_t color);
    void SetLabelSize(int points);

    // The fonts at a resolution: a size set in points gives its height there, the designed
    // height is scaled from 96.
    FontSpec Window(int dpi) const { return At(window_, dpi); }
    FontSpec Label(int dpi) const { return At(label_ ? *label_ : window_, dpi); }
    bool LabelFollowsWindow() const { return !label_; }

private:
    struct Chosen {
        FontSpec font;  // height: the designed one, at 96
        int points = 0;  // 0 until a size is set
    };
    static FontSpec At(const Chosen& chosen, int dpi);
    Chosen& OwnLabel();

    Chosen window_;
    std::optional<Chosen> label_;
};

inline constexpr char16_t kFallbackFamily[] = u"Calibri";
inline constexpr char16_t kWindowFamily[] = u"BacciSmallCaps";
inline constexpr char16_t kLabelFamily[] = u"Formal436 BT";
inline constexpr uint32_t kLabelColor = 114;  // dark red

// Registers the two embedded fonts for this process and chooses the fonts by the results.
// Throws ToolkitError ("Ressource TTF nicht gefunden") when a font item is missing.
void RegisterPrivateFonts(platform::Platform& platform, WindowFonts& fonts);
