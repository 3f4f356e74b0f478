#pragma once
#include <windows.h>

#include <cstdint>
#include <span>

#include "platform/Handles.h"

// Decodes JPEG data into a 24-bit top-down DIB section; empty when the data does not decode.
platform::UniqueGdiObject<HBITMAP> DecodeJpeg(std::span<const uint8_t> data, SIZE* size);

// A copy of a picture at another size, smoothed (HALFTONE); empty when GDI refuses.
platform::UniqueGdiObject<HBITMAP> ScalePicture(HBITMAP source, SIZE from, SIZE to);
