#include "controls/buttons/button_family.h"

#include "runtime/text_codec.h"

namespace rt::units {
namespace {

constexpr DWORD kButtonStyleBits = 0xffff;

}  // namespace

bool ButtonFamilyUnit::createControl(const UnitCreateArgs& args, const std::string& caption)
{
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | args.style | buttonStyle();
    HWND control = CreateWindowExW(
        0, L"BUTTON", WideFromGbk(caption).c_str(), style, args.left, args.top, args.width, args.height, args.parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)), GetModuleHandleW(nullptr), nullptr);
    if (!control) {
        return false;
    }
    subclass(control);
    return true;
}

void ButtonFamilyUnit::refreshStyle()
{
    auto old = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE));
    DWORD style = (old & ~kButtonStyleBits) | buttonStyle();
    if (style == old) {
        return;
    }
    SetWindowLongPtrW(handle_, GWL_STYLE, static_cast<LONG_PTR>(style));
    if ((style & BS_TYPEMASK) != (old & BS_TYPEMASK)) {
        // The control keeps its kind (push, default push) in its own state as well.
        SendMessageW(handle_, BM_SETSTYLE, style & kButtonStyleBits, TRUE);
    }
    InvalidateRect(handle_, nullptr, TRUE);
}

void ButtonFamilyUnit::setCaption(const std::string& caption) { SetWindowTextW(handle_, WideFromGbk(caption).c_str()); }

void ButtonFamilyUnit::setFont(const std::optional<FontDescription>& font)
{
    UniqueFont created = CreateUnitFont(font);
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontOrDefault(created)), TRUE);
    font_ = std::move(created);
}

void ButtonFamilyUnit::setImage(const std::vector<uint8_t>& bytes, bool pushStyle)
{
    // The control lets go of the old image before it is freed.
    SendMessageW(handle_, BM_SETIMAGE, image_.imageType(), 0);
    image_.decode(bytes, pushStyle);
    refreshStyle();
    if (image_.style()) {
        SendMessageW(handle_, BM_SETIMAGE, image_.imageType(), image_.handle());
    }
    InvalidateRect(handle_, nullptr, TRUE);
}

LRESULT ButtonFamilyUnit::answerColour(HDC dc, uint32_t textColour, uint32_t backColour)
{
    COLORREF back = EffectiveBackColour(backColour);
    SetTextColor(dc, static_cast<COLORREF>(textColour & 0x00ffffff));
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(brush_.get(back));
}

bool IsClickNotification(UINT message, WPARAM wParam) { return message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED; }

bool IsColourRequest(UINT message) { return message == WM_CTLCOLORBTN || message == WM_CTLCOLORSTATIC; }

}  // namespace rt::units
