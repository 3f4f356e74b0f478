#include "app/WindowDescription.h"

namespace {

class Reader {
public:
    explicit Reader(std::span<const uint8_t> data) : data_(data) {}
    bool ok() const { return ok_; }

    uint32_t U32() { return static_cast<uint32_t>(Unsigned(4)); }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    uint8_t U8() { return static_cast<uint8_t>(Unsigned(1)); }
    std::u16string String() {
        const size_t units = Unsigned(2);
        std::u16string text;
        for (size_t i = 0; i < units && ok_; ++i) text += static_cast<char16_t>(Unsigned(2));
        return text;
    }
    std::span<const uint8_t> Bytes(size_t count) {
        if (!Need(count)) return {};
        auto bytes = data_.subspan(pos_, count);
        pos_ += count;
        return bytes;
    }
    bool Magic(const char (&magic)[5]) {
        auto bytes = Bytes(4);
        return ok_ && std::equal(bytes.begin(), bytes.end(), magic);
    }

private:
    bool Need(size_t count) {
        if (!ok_ || data_.size() - pos_ < count) ok_ = false;
        return ok_;
    }
    uint64_t Unsigned(size_t width) {
        if (!Need(width)) return 0;
        uint64_t value = 0;
        for (size_t i = 0; i < width; ++i) value |= static_cast<uint64_t>(data_[pos_ + i]) << (8 * i);
        pos_ += width;
        return value;
    }

    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    bool ok_ = true;
};

constexpr uint32_t kNoBlob = 0xFFFFFFFFu;

}  // namespace

const ControlDescription* WindowDescription::Find(std::u16string_view name) const {
    for (const auto& control : controls)
        if (control.name == name) return &control;
    return nullptr;
}

std::optional<WindowDescription> ParseWindowDescription(std::span<const uint8_t> data) {
    Reader in(data);
    if (!in.Magic("TMN1")) return std::nullopt;
    WindowDescription window;
    window.caption = in.String();
    window.clientWidth96 = in.I32();
    window.clientHeight96 = in.I32();
    window.backgroundColorIndex = in.U32();
    window.font.family = in.String();
    window.font.height = in.I32();
    window.font.color = in.U32();
    window.font.charset = in.U8();
    window.font.style = in.U8();

    std::vector<uint32_t> blobOfControl;
    const uint32_t controlCount = in.U32();
    for (uint32_t i = 0; i < controlCount && in.ok(); ++i) {
        ControlDescription control;
        control.name = in.String();
        const uint8_t kind = in.U8();
        if (kind > static_cast<uint8_t>(ControlKind::Button)) return std::nullopt;
        control.kind = static_cast<ControlKind>(kind);
        control.left96 = in.I32();
        control.top96 = in.I32();
        control.width96 = in.I32();
        control.height96 = in.I32();
        control.text = in.String();
        control.tabOrder = in.I32();
        control.stretch = in.U8() != 0;
        blobOfControl.push_back(in.U32());
        window.controls.push_back(std::move(control));
    }

    std::vector<std::span<const uint8_t>> blobs;
    const uint32_t blobCount = in.U32();
    for (uint32_t i = 0; i < blobCount && in.ok(); ++i) blobs.push_back(in.Bytes(in.U32()));
    const uint32_t iconBlob = in.U32();
    if (!in.ok()) return std::nullopt;

    for (size_t i = 0; i < window.controls.size(); ++i) {
        if (blobOfControl[i] == kNoBlob) continue;
        if (blobOfControl[i] >= blobs.size()) return std::nullopt;
        window.controls[i].picture = blobs[blobOfControl[i]];
    }
    if (iconBlob != kNoBlob) {
        if (iconBlob >= blobs.size()) return std::nullopt;
        window.icon = blobs[iconBlob];
    }
    return window;
}
