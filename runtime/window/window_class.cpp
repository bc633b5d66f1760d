#include "runtime/window/window_class.h"

#include "runtime/text_codec.h"
#include "runtime/window/own_class_unit.h"
#include "runtime/window/window_unit.h"

namespace rt {
namespace {

constexpr wchar_t kDefaultWindowClass[] = L"ZorviWindowUnit";
constexpr WNDPROC kWindowUnitProc = OwnClassUnitProc<WindowUnit>;

}  // namespace

std::wstring EnsureWindowClass(const std::string& gbkClassName)
{
    std::wstring name = gbkClassName.empty() ? std::wstring(kDefaultWindowClass) : WideFromGbk(gbkClassName);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{sizeof existing};
    if (GetClassInfoExW(instance, name.c_str(), &existing)) {
        return existing.lpfnWndProc == kWindowUnitProc ? name : std::wstring();
    }
    WNDCLASSEXW windowClass{sizeof windowClass};
    windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = kWindowUnitProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name.c_str();
    return RegisterClassExW(&windowClass) ? name : std::wstring();
}

}  // namespace rt
