#include "app/JpegPicture.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return; a longjmp back to the
// decoder is the library's own way, and no C++ object lives across it.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void OnFatalError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1); }
void OnMessage(j_common_ptr) {}

// Fills the DIB rows; false when libjpeg gave up. Kept free of C++ objects because of the longjmp.
bool DecodeInto(const uint8_t* data, unsigned long size, uint8_t** bits, LONG* stride, SIZE* pictureSize,
                HBITMAP (*makeBitmap)(int, int, uint8_t**, LONG*), HBITMAP* bitmap) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnFatalError;
    errors.base.output_message = OnMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    *bitmap = makeBitmap(static_cast<int>(info.output_width), static_cast<int>(info.output_height), bits, stride);
    if (!*bitmap) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    pictureSize->cx = static_cast<LONG>(info.output_width);
    pictureSize->cy = static_cast<LONG>(info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = *bits + static_cast<size_t>(info.output_scanline) * *stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

HBITMAP MakeDibSection(int width, int height, uint8_t** bits, LONG* stride) {
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header.bmiHeader.biWidth = width;
    header.bmiHeader.biHeight = -height;  // top-down, as libjpeg delivers the rows
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 24;
    header.bmiHeader.biCompression = BI_RGB;
    *stride = ((width * 3) + 3) & ~3;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &pixels, nullptr, 0);
    *bits = static_cast<uint8_t*>(pixels);
    return bitmap;
}

}  // namespace

platform::UniqueGdiObject<HBITMAP> DecodeJpeg(std::span<const uint8_t> data, SIZE* size) {
    if (data.empty()) return {};
    uint8_t* bits = nullptr;
    LONG stride = 0;
    HBITMAP bitmap = nullptr;
    const bool decoded = DecodeInto(data.data(), static_cast<unsigned long>(data.size()), &bits, &stride, size,
                                    MakeDibSection, &bitmap);
    platform::UniqueGdiObject<HBITMAP> owned(bitmap);
    if (!decoded) owned.reset();
    return owned;
}

platform::UniqueGdiObject<HBITMAP> ScalePicture(HBITMAP source, SIZE from, SIZE to) {
    uint8_t* bits = nullptr;
    LONG stride = 0;
    platform::UniqueGdiObject<HBITMAP> scaled(MakeDibSection(to.cx, to.cy, &bits, &stride));
    const platform::UniqueMemoryDc sourceDc(CreateCompatibleDC(nullptr));
    const platform::UniqueMemoryDc targetDc(CreateCompatibleDC(nullptr));
    if (!scaled || !sourceDc || !targetDc) return {};
    const HGDIOBJ previousSource = SelectObject(sourceDc.get(), source);
    const HGDIOBJ previousTarget = SelectObject(targetDc.get(), scaled.get());
    SetStretchBltMode(targetDc.get(), HALFTONE);
    SetBrushOrgEx(targetDc.get(), 0, 0, nullptr);
    const bool drawn =
        StretchBlt(targetDc.get(), 0, 0, to.cx, to.cy, sourceDc.get(), 0, 0, from.cx, from.cy, SRCCOPY) != 0;
    SelectObject(targetDc.get(), previousTarget);
    SelectObject(sourceDc.get(), previousSource);
    if (!drawn) return {};
    return scaled;
}
