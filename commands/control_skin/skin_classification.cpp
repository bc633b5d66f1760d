#include "commands/control_skin/skin_classification.h"

#include <string>

namespace rt::commands::skin {
namespace {

constexpr DWORD kButtonTypeMask = 0x0f;
constexpr DWORD kPushLike = 0x1000;
// A button showing a bitmap or an icon keeps its own look: the skin would draw its caption over
// the picture.
constexpr DWORD kPictureStyles = 0x80 | 0x40;
constexpr DWORD kComboTypeMask = 0x03;
constexpr DWORD kSimpleCombo = 0x01;

struct ClassKind {
    const wchar_t* name;
    SkinKind kind;
};

// Classes whose kind does not depend on the style.
constexpr ClassKind kPlainClasses[] = {
    {L"ComboLBox", SkinKind::kDropDownList},     {L"msctls_updown32", SkinKind::kUpDown},
    {L"ScrollBar", SkinKind::kScrollBar},        {L"SysMonthCal32", SkinKind::kMonthCalendar},
    {L"SysTabControl32", SkinKind::kTabControl}, {L"msctls_progress32", SkinKind::kProgressBar},
    {L"msctls_trackbar32", SkinKind::kTrackBar},
};

bool SameName(std::wstring_view a, const wchar_t* b)
{
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b, -1, TRUE) == CSTR_EQUAL;
}

std::optional<SkinKind> ButtonKind(const ControlFacts& facts)
{
    if (facts.style & kPictureStyles) {
        return std::nullopt;
    }
    bool pushLike = (facts.style & kPushLike) != 0;
    switch (facts.style & kButtonTypeMask) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        // A bare child + tab-stop push button without text is some other control's inner part.
        if (!facts.hasText && facts.style == (WS_CHILD | WS_TABSTOP)) {
            return std::nullopt;
        }
        return SkinKind::kPushButton;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return pushLike ? SkinKind::kPushButton : SkinKind::kCheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return pushLike ? SkinKind::kPushButton : SkinKind::kRadioButton;
    case BS_GROUPBOX:
        return SkinKind::kGroupBox;
    default:
        return std::nullopt;
    }
}

std::wstring ClassNameOf(HWND window)
{
    wchar_t name[64] = {};
    int length = window ? GetClassNameW(window, name, 64) : 0;
    return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

}  // namespace

std::optional<SkinKind> ClassifyControl(const ControlFacts& facts)
{
    if (SameName(facts.className, L"Button")) {
        return ButtonKind(facts);
    }
    if (SameName(facts.className, L"Edit")) {
        if (SameName(facts.parentClassName, L"SysIPAddress32")) {
            return std::nullopt;
        }
        return SkinKind::kEditBox;
    }
    if (SameName(facts.className, L"ComboBox")) {
        if ((facts.style & kComboTypeMask) == kSimpleCombo) {
            return std::nullopt;
        }
        return SkinKind::kComboBox;
    }
    for (const ClassKind& entry : kPlainClasses) {
        if (SameName(facts.className, entry.name)) {
            return entry.kind;
        }
    }
    return std::nullopt;
}

bool IsSkinnedKind(SkinKind kind) { return kind < SkinKind::kScrollBar || kind > SkinKind::kTrackBar; }

bool IsButtonKind(SkinKind kind)
{
    return kind == SkinKind::kPushButton || kind == SkinKind::kCheckBox || kind == SkinKind::kRadioButton;
}

std::optional<SkinKind> SkinnedKindOf(HWND window)
{
    std::wstring className = ClassNameOf(window);
    std::wstring parentClassName = ClassNameOf(GetParent(window));
    ControlFacts facts{className, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                       GetWindowTextLengthW(window) > 0, parentClassName};
    std::optional<SkinKind> kind = ClassifyControl(facts);
    if (!kind || !IsSkinnedKind(*kind)) {
        return std::nullopt;
    }
    return kind;
}

}  // namespace rt::commands::skin
