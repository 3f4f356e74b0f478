#include "app/TMain.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "app/ControlIds.h"
#include "app/JpegPicture.h"
#include "platform/Dpi.h"

TMain* Main = nullptr;

using platform::Wide;

namespace {

constexpr wchar_t kMainClass[] = L"TMain";
constexpr UINT kFormActivateMessage = WM_APP + 1;
// A popup with a caption looks like an overlapped window. Owned popups are dialogs to an X window
// manager, and those it gives the focus back to when a message box closes; an owned overlapped
// window is kept off the taskbar, and such windows are never its choice.
constexpr DWORD kMainStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT;

WindowDescription LoadDescription() {
    const auto item = platform::LoadEmbeddedItem(MAKEINTRESOURCEW(10), L"TMAIN");
    if (!item) throw std::runtime_error("Ressource TMAIN nicht gefunden");
    auto description = ParseWindowDescription(*item);
    if (!description) throw std::runtime_error("Fehlerhafte Fensterbeschreibung TMAIN");
    return *description;
}

// The window opens centred in the primary work area (Show), so that monitor's resolution is the
// first one; the screen's logical resolution where the system cannot tell monitors apart.
int OpeningDpi(int logicalPixelsY) {
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    return platform::MonitorDpiAt({(workArea.left + workArea.right) / 2, (workArea.top + workArea.bottom) / 2},
                                  logicalPixelsY);
}

int IdOf(const std::u16string& name) {
    static const std::map<std::u16string, int> ids = {
        {u"Image1", kImage1Id}, {u"Image2", kImage2Id}, {u"Stonewrights", kStonewrightsId},
        {u"Edit1", kEdit1Id},   {u"Start", kStartId},   {u"Stop", kStopId},
    };
    const auto found = ids.find(name);
    return found == ids.end() ? 0 : found->second;
}

platform::UniqueGdiObject<HFONT> MakeFont(const FontSpec& font) {
    return platform::UniqueGdiObject<HFONT>(CreateFontW(
        font.height, 0, 0, 0, (font.style & 1) ? FW_BOLD : FW_NORMAL, (font.style & 2) != 0, (font.style & 4) != 0,
        (font.style & 8) != 0, font.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        DEFAULT_PITCH | FF_DONTCARE, Wide(font.family)));
}

// The image of an .ico file closest to the wanted size, as an icon.
platform::UniqueIcon IconFromIcoFile(std::span<const uint8_t> ico, int wanted) {
    auto u16 = [&](size_t at) { return static_cast<unsigned>(ico[at] | ico[at + 1] << 8); };
    auto u32 = [&](size_t at) { return static_cast<size_t>(u16(at) | u16(at + 2) << 16); };
    if (ico.size() < 6) return {};
    const size_t count = u16(4);
    size_t bestOffset = 0, bestSize = 0;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < count && 6 + 16 * (i + 1) <= ico.size(); ++i) {
        const size_t entry = 6 + 16 * i;
        const int width = ico[entry] == 0 ? 256 : ico[entry];
        const size_t size = u32(entry + 8), offset = u32(entry + 12);
        if (offset > ico.size() || size > ico.size() - offset) continue;
        const int distance = std::abs(width - wanted) + (width < wanted ? 1000 : 0);
        if (distance < bestDistance) bestDistance = distance, bestOffset = offset, bestSize = size;
    }
    if (bestSize == 0) return {};
    return platform::UniqueIcon(CreateIconFromResourceEx(const_cast<uint8_t*>(ico.data() + bestOffset),
                                                         static_cast<DWORD>(bestSize), TRUE, 0x00030000, wanted,
                                                         wanted, LR_DEFAULTCOLOR));
}

}  // namespace

TMain::TMain(Application& application, platform::Platform& platform)
    : application_(application),
      description_((Main = this, LoadDescription())),
      dpi_(OpeningDpi(platform.LogicalPixelsY())),
      switcher_(platform, *this, description_.font) {
    CreateNativeWindow();
    CreateControls();
    LayOut(platform::WindowDpi(handle_, dpi_));
}

TMain::~TMain() {
    application_.Guarded([&] { switcher_.FormDestroy(); });
    if (handle_) DestroyWindow(handle_);
    if (Main == this) Main = nullptr;
}

void TMain::CreateNativeWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = application_.Instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(description_.backgroundColorIndex + 1));
    windowClass.lpszClassName = kMainClass;
    RegisterClassExW(&windowClass);

    // Sized by the layout, once the window knows its monitor.
    handle_ = CreateWindowExW(kMainExStyle, kMainClass, Wide(description_.caption), kMainStyle, 0, 0, 0, 0,
                              application_.Handle(), nullptr, application_.Instance(), this);
    if (!handle_) throw std::runtime_error("Fenster TMain kann nicht erstellt werden");
}

void TMain::CreateControls() {
    std::vector<const ControlDescription*> tabOrder;
    for (const auto& control : description_.controls) {
        const wchar_t* windowClass = L"Static";
        DWORD style = WS_CHILD | WS_VISIBLE;
        DWORD exStyle = 0;
        switch (control.kind) {
            case ControlKind::Picture: style |= SS_OWNERDRAW; break;
            case ControlKind::Label: style |= SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE; break;
            case ControlKind::Edit:
                windowClass = L"Edit";
                style |= ES_LEFT | ES_AUTOHSCROLL;
                exStyle = WS_EX_CLIENTEDGE;
                break;
            case ControlKind::Button: windowClass = L"Button"; style |= BS_PUSHBUTTON; break;
        }
        if (control.tabOrder >= 0) {
            style |= WS_TABSTOP;
            tabOrder.push_back(&control);
        }
        const int id = IdOf(control.name);
        CreateWindowExW(exStyle, windowClass, Wide(control.text), style, 0, 0, 0, 0, handle_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), application_.Instance(), nullptr);
        if (control.kind == ControlKind::Picture) {
            Picture picture;
            picture.decoded = DecodeJpeg(control.picture, &picture.size);
            picture.stretch = control.stretch;
            pictures_[id] = std::move(picture);
        }
    }
    // Tab walks the controls in z-order; put the tab stops last, in their tab order.
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto* a, const auto* b) { return a->tabOrder < b->tabOrder; });
    for (const auto* control : tabOrder)
        SetWindowPos(Control(IdOf(control->name)), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!tabOrder.empty()) lastFocus_ = Control(IdOf(tabOrder.front()->name));
}

void TMain::LayOut(int dpi, const RECT* suggested) {
    dpi_ = dpi;
    if (suggested) {
        SetWindowPos(handle_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const RECT frame = platform::FrameAround(
            {0, 0, Scale(description_.clientWidth96), Scale(description_.clientHeight96)}, kMainStyle, kMainExStyle,
            dpi);
        SetWindowPos(handle_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Moved, never made again: texts, focus, enabled state and tab order stay as they are.
    for (const auto& control : description_.controls) {
        const int id = IdOf(control.name);
        SetWindowPos(Control(id), nullptr, Scale(control.left96), Scale(control.top96), Scale(control.width96),
                     Scale(control.height96), SWP_NOZORDER | SWP_NOACTIVATE);
        const auto found = pictures_.find(id);
        if (found == pictures_.end() || !found->second.decoded) continue;
        // The banner keeps its own size at 96, the emblem fills its control; both grow with the dpi.
        Picture& picture = found->second;
        picture.shownSize = picture.stretch ? SIZE{Scale(control.width96), Scale(control.height96)}
                                            : SIZE{Scale(picture.size.cx), Scale(picture.size.cy)};
        picture.shown = ScalePicture(picture.decoded.get(), picture.size, picture.shownSize);
    }
    ApplyFonts(switcher_.Fonts());
    SetWindowIcons();
    // The controls too: a resized picture control would only paint the part it gained.
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TMain::SetWindowIcons() {
    // The window holds the new icons before the old ones go.
    auto big = IconFromIcoFile(description_.icon, platform::SystemMetricAt(SM_CXICON, dpi_));
    auto little = IconFromIcoFile(description_.icon, platform::SystemMetricAt(SM_CXSMICON, dpi_));
    SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(little.get()));
    bigIcon_ = std::move(big);
    smallIcon_ = std::move(little);
}

void TMain::Create() {
    application_.Guarded([&] { switcher_.FormCreate(); });
}

void TMain::Show() {
    RECT window{}, workArea{};
    GetWindowRect(handle_, &window);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const int width = window.right - window.left, height = window.bottom - window.top;
    SetWindowPos(handle_, nullptr, workArea.left + (workArea.right - workArea.left - width) / 2,
                 workArea.top + (workArea.bottom - workArea.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    int show = SW_SHOWNORMAL;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    if (startup.dwFlags & STARTF_USESHOWWINDOW) {
        if (startup.wShowWindow == SW_SHOWMAXIMIZED) show = SW_SHOWMAXIMIZED;
        if (startup.wShowWindow == SW_SHOWMINNOACTIVE) show = SW_SHOWMINNOACTIVE;
    }
    ShowWindow(handle_, show);
    UpdateWindow(handle_);
}

int TMain::ShowMessage(const std::u16string& text, const std::u16string& caption, uint32_t flags) {
    return application_.ShowMessageBox(text, caption, flags);
}

void TMain::SetStartCaption(const std::u16string& caption) { SetWindowTextW(Control(kStartId), Wide(caption)); }

void TMain::SetEdit1Text(const std::u16string& text) { SetWindowTextW(Control(kEdit1Id), Wide(text)); }

void TMain::ApplyFonts(const WindowFonts& fonts) {
    const FontSpec window = fonts.Window(dpi_);
    const FontSpec label = fonts.Label(dpi_);
    // The controls take the new fonts before the old ones are deleted.
    auto newWindowFont = MakeFont(window);
    auto newLabelFont = MakeFont(label);
    for (int id : {kEdit1Id, kStartId, kStopId})
        SendMessageW(Control(id), WM_SETFONT, reinterpret_cast<WPARAM>(newWindowFont.get()), TRUE);
    SendMessageW(Control(kStonewrightsId), WM_SETFONT, reinterpret_cast<WPARAM>(newLabelFont.get()), TRUE);
    labelColor_ = label.color;
    windowFont_ = std::move(newWindowFont);
    labelFont_ = std::move(newLabelFont);
}

void TMain::CloseWindow() { SendMessageW(handle_, WM_CLOSE, 0, 0); }

LRESULT CALLBACK TMain::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<TMain*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->handle_ = window;
        platform::EnableNonClientScaling(window);
    }
    auto* self = reinterpret_cast<TMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    bool handled = false;
    // No exception may cross the window procedure: each is reported here.
    self->application_.Guarded([&] {
        result = self->HandleMessage(message, wParam, lParam);
        handled = true;
    });
    return handled ? result : 0;
}

LRESULT TMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kStartId) switcher_.StartClick();
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kStopId) switcher_.StopClick();
            return 0;
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case WM_SETFOCUS:
            if (lastFocus_) SetFocus(lastFocus_);
            return 0;
        case WM_DPICHANGED:
            if (HIWORD(wParam) > 0) LayOut(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case kFormActivateMessage:
            switcher_.FormActivate();
            return 0;
        case WM_DRAWITEM:
            DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            if (reinterpret_cast<HWND>(lParam) == Control(kStonewrightsId)) SetTextColor(dc, labelColor_);
            SetBkColor(dc, GetSysColor(static_cast<int>(description_.backgroundColorIndex)));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(static_cast<int>(description_.backgroundColorIndex)));
        }
        default:
            return DefWindowProcW(handle_, message, wParam, lParam);
    }
}

void TMain::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(handle_, focus)) lastFocus_ = focus;
        return;
    }
    if (lastFocus_) SetFocus(lastFocus_);
    // The first activation of the shown window runs the warning, once; it is posted so that the
    // notice comes up over the window that has just been shown.
    if (!activated_ && IsWindowVisible(handle_)) {
        activated_ = true;
        PostMessageW(handle_, kFormActivateMessage, 0, 0);
    }
}

void TMain::DrawPicture(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(static_cast<int>(description_.backgroundColorIndex)));
    const auto found = pictures_.find(static_cast<int>(item.CtlID));
    if (found == pictures_.end() || !found->second.shown) return;
    const Picture& picture = found->second;
    const platform::UniqueMemoryDc source(CreateCompatibleDC(item.hDC));
    if (!source) return;
    const HGDIOBJ previous = SelectObject(source.get(), picture.shown.get());
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, picture.shownSize.cx, picture.shownSize.cy, source.get(), 0, 0,
           SRCCOPY);
    SelectObject(source.get(), previous);
}
