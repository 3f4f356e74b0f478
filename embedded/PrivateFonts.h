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

// The window's font and the label's. The label follows the window's font until one of its own
// attributes is set; from then on it keeps its own copy.
class WindowFonts {
public:
    WindowFonts(FontSpec designed, int logicalPixelsY) : window_(std::move(designed)), dpi_(logicalPixelsY) {}

    void SetWindowFamily(const std::u16string& family);
    void SetWindowSize(int points);
    void SetLabelFamily(const std::u16string& family);
    void SetLabelColor(uint32_t color);
    void SetLabelSize(int points);

    const FontSpec& Window() const { return window_; }
    const FontSpec& Label() const { return label_ ? *label_ : window_; }
    bool LabelFollowsWindow() const { return !label_; }

private:
    FontSpec& OwnLabel();

    FontSpec window_;
    std::optional<FontSpec> label_;
    int dpi_;
};

inline constexpr char16_t kFallbackFamily[] = u"Calibri";
inline constexpr char16_t kWindowFamily[] = u"BacciSmallCaps";
inline constexpr char16_t kLabelFamily[] = u"Formal436 BT";
inline constexpr uint32_t kLabelColor = 114;  // dark red

// Registers the two embedded fonts for this process and chooses the fonts by the results.
// Throws ToolkitError ("Ressource TTF nicht gefunden") when a font item is missing.
void RegisterPrivateFonts(platform::Platform& platform, WindowFonts& fonts);
