#include "runtime/window/window_class.h"

#include "runtime/text_codec.h"

namespace rt {
namespace {

constexpr wchar_t kDefaultWindowClass[] = L"ZorviWindowUnit";

}  // namespace

std::wstring EnsureWindowClass(const std::string& gbkClassName)
{
    std::wstring name = gbkClassName.empty() ? std::wstring(kDefaultWindowClass) : WideFromGbk(gbkClassName);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{sizeof existing};
    if (GetClassInfoExW(instance, name.c_str(), &existing)) {
        return existing.lpfnWndProc == WindowUnitProc ? name : std::wstring();
    }
    WNDCLASSEXW windowClass{sizeof windowClass};
    windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowUnitProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name.c_str();
    return RegisterClassExW(&windowClass) ? name : std::wstring();
}

}  // namespace rt
