#pragma once
// The window description carried as the data item "TMAIN": the window's properties, its controls
// with their layout at 96 pixels per inch, and the pictures and icon they show.
//
// Format, little-endian; a string is a u16 count of UTF-16 code units followed by them:
//   "TMN1", caption, i32 client width, i32 client height, u32 background colour index,
//   font: family, i32 height, u32 colour, u8 charset, u8 style,
//   u32 control count, per control: name, u8 kind, i32 left, top, width, height, text,
//     i32 tab order (-1: none), u8 stretch, u32 blob index (0xFFFFFFFF: none),
//   u32 blob count, per blob: u32 size and the bytes, u32 icon blob index.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "embedded/PrivateFonts.h"

enum class ControlKind : uint8_t { Picture = 0, Label = 1, Edit = 2, Button = 3 };

struct ControlDescription {
    std::u16string name;
    ControlKind kind = ControlKind::Label;
    int left96 = 0, top96 = 0, width96 = 0, height96 = 0;
    std::u16string text;
    int tabOrder = -1;
    bool stretch = false;
    std::span<const uint8_t> picture;  // JPEG data, pictures only
};

struct WindowDescription {
    std::u16string caption;
    int clientWidth96 = 0, clientHeight96 = 0;
    uint32_t backgroundColorIndex = 0;
    FontSpec font;  // height at 96 pixels per inch
    std::vector<ControlDescription> controls;
    std::span<const uint8_t> icon;  // an .ico file

    const ControlDescription* Find(std::u16string_view name) const;
};

// Parses the item; the spans point into it. Nothing when the data is malformed.
std::optional<WindowDescription> ParseWindowDescription(std::span<const uint8_t> data);
