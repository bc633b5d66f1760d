#include "controls/common_dlg/common_dlg_unit.h"

#include <memory>
#include <string_view>
#include <utility>

#include "runtime/window/own_class_unit.h"
#include "controls/common_dlg/dialog_rules.h"
#include "controls/common_dlg/file_dialog.h"
#include "controls/common_dlg/font_dialog.h"
#include "controls/common_dlg/help_request.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/runtime_service.h"

namespace rt::units {

// By property number; the names are the options' field names.
const PropertyDescription kCommonDlgProperties[kCommonDlgPropertyCount] = {
    {"DialogType", PropertyType::kInt},        {"Title", PropertyType::kText},
    {"FileName", PropertyType::kText},         {"Filter", PropertyType::kText},
    {"FilterIndex", PropertyType::kInt},       {"InitialDir", PropertyType::kText},
    {"DefaultExt", PropertyType::kText},       {"CreatePrompt", PropertyType::kLogical},
    {"FileMustExist", PropertyType::kLogical}, {"OverwritePrompt", PropertyType::kLogical},
    {"PathMustExist", PropertyType::kLogical}, {"NoChangeDir", PropertyType::kLogical},
    {"FontColour", PropertyType::kInt},        {"FontBold", PropertyType::kLogical},
    {"FontItalic", PropertyType::kLogical},    {"FontUnderline", PropertyType::kLogical},
    {"FontStrikeOut", PropertyType::kLogical}, {"FontName", PropertyType::kText},
    {"FontSize", PropertyType::kInt},          {"HelpFile", PropertyType::kText},
    {"HelpCommand", PropertyType::kInt},       {"HelpTopic", PropertyType::kInt},
};

namespace {

constexpr wchar_t kClassName[] = L"ZorviCommonDlg";

// Reads the options' field of the given name into a property value.
struct FieldGetter {
    std::string_view wanted;
    PropertyValue& value;

    void operator()(const char* name, const int32_t& field) { take(name, field); }
    void operator()(const char* name, const uint32_t& field) { take(name, static_cast<int32_t>(field)); }
    void operator()(const char* name, const bool& field) { take(name, field ? 1 : 0); }
    void operator()(const char* name, const std::string& field)
    {
        if (wanted == name) {
            value.text = field;
        }
    }
    void take(const char* name, int32_t number)
    {
        if (wanted == name) {
            value.number = number;
        }
    }
};

// Writes a property value into the options' field of the given name.
struct FieldSetter {
    std::string_view wanted;
    const PropertyValue& value;

    void operator()(const char* name, int32_t& field) { put(name, field, value.number); }
    void operator()(const char* name, uint32_t& field) { put(name, field, static_cast<uint32_t>(value.number)); }
    void operator()(const char* name, bool& field) { put(name, field, value.number != 0); }
    void operator()(const char* name, std::string& field) { put(name, field, value.text); }
    template <class Field, class Value>
    void put(const char* name, Field& field, const Value& newValue)
    {
        if (wanted == name) {
            field = newValue;
        }
    }
};

bool RegisterDialogClass(WNDPROC procedure)
{
    static const bool registered = [procedure] {
        WNDCLASSW windowClass{};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

bool ValidNumber(int number) { return number >= 0 && number < static_cast<int>(kCommonDlgPropertyCount); }

}  // namespace

CommonDlgUnit::CommonDlgUnit(const UnitCreateArgs& args, CommonDlgOptions options)
    : LiveUnit(args.windowId, args.unitId), options_(std::move(options))
{
    NormaliseOptions(options_);
}

CommonDlgUnit* CommonDlgUnit::Create(const UnitCreateArgs& args, CommonDlgOptions options)
{
    if (!RegisterDialogClass(OwnClassUnitProc<CommonDlgUnit>)) {
        return nullptr;
    }
    auto unit = std::make_unique<CommonDlgUnit>(args, std::move(options));
    CommonDlgUnit* created = unit.get();
    HWND window = CreateWindowExW(
        0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS | args.style, args.left, args.top, args.width, args.height,
        args.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)), GetModuleHandleW(nullptr), &unit);
    return window ? created : nullptr;
}

bool CommonDlgUnit::setProperty(int number, const PropertyValue& value)
{
    if (ValidNumber(number)) {
        FieldSetter setter{kCommonDlgProperties[number].name, value};
        CommonDlgOptions::Layout(options_, setter, CommonDlgOptions::kMaxVersion);
        NormaliseOptions(options_);
    }
    return false;
}

PropertyValue CommonDlgUnit::getProperty(int number)
{
    PropertyValue value;
    if (ValidNumber(number)) {
        FieldGetter getter{kCommonDlgProperties[number].name, value};
        CommonDlgOptions::Layout(std::as_const(options_), getter, CommonDlgOptions::kMaxVersion);
    }
    return value;
}

std::vector<uint8_t> CommonDlgUnit::serialise() { return WriteOptions(options_); }

// The dialogs belong to the window the unit sits on, which they disable while they show.
bool CommonDlgUnit::show()
{
    HWND owner = GetAncestor(handle_, GA_ROOT);
    switch (options_.DialogType) {
    case kOpenFileDialog:
    case kSaveFileDialog:
        return ShowFileDialog(owner, options_);
    case kFontDialog:
        return ShowFontDialog(owner, options_);
    default:
        return RequestHelp(owner, options_);
    }
}

}  // namespace rt::units
