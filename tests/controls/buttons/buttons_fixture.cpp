#include "tests/controls/buttons/buttons_fixture.h"

#include "controls/buttons/button.h"
#include "controls/buttons/check_box.h"
#include "controls/buttons/group_box.h"
#include "controls/buttons/radio_box.h"
#include "runtime/unit_options/button_options.h"
#include "runtime/unit_options/check_box_options.h"
#include "runtime/unit_options/group_box_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/unit_options/radio_box_options.h"
#include "runtime/program_templates.h"
#include "runtime/runtime_app.h"
#include "runtime/runtime_service.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/unit_access.h"
#include "runtime/window/unit_kind.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/window_lifetime.h"
#include "tests/runtime/window/window_test_support.h"

namespace buttons_test {
namespace {

std::map<uint32_t, int> clicks;

rt::SubReturn OnClick(const int32_t*, int)
{
    clicks[rt::App().currentEventSource.unitId] += 1;
    return {};
}

const rt::ApplicationSub kSubs[] = {OnClick};
const rt::CodeBase kCodeBase{kSubs, 1};

std::vector<uint8_t> ButtonData(const char* caption, int32_t type)
{
    rt::ButtonOptions options;
    options.Caption = caption;
    options.ButtonType = type;
    return rt::WriteOptions(options);
}

template <class Options>
std::vector<uint8_t> ChoiceData(const char* caption, bool checked, uint32_t backColour = 0xff000000)
{
    Options options;
    options.Caption = caption;
    options.Checked = checked;
    options.BackColour = backColour;
    return rt::WriteOptions(options);
}

std::vector<uint8_t> GroupData()
{
    rt::GroupBoxOptions options;
    options.Caption = "图片信息";
    options.BackColour = kGroupColour;
    return rt::WriteOptions(options);
}

rt::UnitRecord Unit(uint32_t id, uint32_t kind, rt::UnitRect rect, std::vector<uint8_t> data, uint32_t container = 0)
{
    rt::UnitRecord record =
        window_test::Record(id, kind, rect, rt::kUnitVisible | rt::kUnitTakesFocus, {{0, 0}}, std::move(data));
    record.placed().container = container;
    return record;
}

rt::WindowRecord ButtonsWindow(const std::map<uint32_t, std::vector<uint8_t>>& replacedData)
{
    rt::WindowRecord window;
    window.id = kWindow;
    window.units.push_back(window_test::DefaultWindowRecord(kWindowUnit, {20, 20, 480, 300}, rt::kUnitVisible, {}));
    window.units.push_back(Unit(kButton, rt::kButtonKind, {10, 10, 80, 25}, ButtonData("打开图片", 0)));
    window.units.push_back(Unit(kDefaultButton, rt::kButtonKind, {100, 10, 80, 25}, ButtonData("分割", 1)));
    window.units.push_back(
        Unit(kCheckBox, rt::kCheckBoxKind, {10, 50, 120, 24}, ChoiceData<rt::CheckBoxOptions>("&Check", false)));
    window.units.push_back(
        Unit(kRadioA, rt::kRadioBoxKind, {10, 80, 120, 24}, ChoiceData<rt::RadioBoxOptions>("按数量分割", true)));
    window.units.push_back(
        Unit(kRadioB, rt::kRadioBoxKind, {10, 110, 120, 24}, ChoiceData<rt::RadioBoxOptions>("&By size", false)));
    window.units.push_back(Unit(kGroupCheck, rt::kCheckBoxKind, {9, -4, 110, 24},
                                ChoiceData<rt::CheckBoxOptions>("改变图片尺寸", false, kGroupCheckColour), kGroup));
    window.units.push_back(
        Unit(kGroupRadioA, rt::kRadioBoxKind, {9, 30, 110, 24}, ChoiceData<rt::RadioBoxOptions>("甲", false), kGroup));
    window.units.push_back(
        Unit(kGroupRadioB, rt::kRadioBoxKind, {9, 60, 110, 24}, ChoiceData<rt::RadioBoxOptions>("乙", false), kGroup));
    rt::UnitRecord group = Unit(kGroup, rt::kGroupBoxKind, {200, 60, 200, 120}, GroupData());
    group.placed().children = {kGroupCheck, kGroupRadioA, kGroupRadioB};
    window.units.push_back(group);
    for (rt::UnitRecord& unit : window.units) {
        auto replaced = replacedData.find(unit.id);
        if (replaced != replacedData.end()) {
            unit.placed().propertyData = replaced->second;
        }
    }
    return window;
}

}  // namespace

bool LoadButtonsWindow(const std::map<uint32_t, std::vector<uint8_t>>& replacedData)
{
    window_test::StartWindowLayerForTests();
    for (const rt::UnitKindDescription* kind : {&rt::units::GroupBoxKind(), &rt::units::ButtonKind(),
                                                &rt::units::CheckBoxKind(), &rt::units::RadioBoxKind()}) {
        rt::RegisterUnitKind(*kind);
    }
    clicks.clear();
    if (!window_test::InstallTemplates({ButtonsWindow(replacedData)}, kCodeBase)) {
        return false;
    }
    return rt::LoadWindow(kWindow, nullptr, false, false);
}

void CloseWindows()
{
    rt::DestroyAllWindows();
    window_test::Pump(20);
}

HWND UnitHandle(uint32_t unitId) { return window_test::UnitHandle(kWindow, unitId); }

int Clicks(uint32_t unitId) { return clicks[unitId]; }

int32_t Read(uint32_t unitId, int index) { return static_cast<int32_t>(rt::ReadProperty(kWindow, unitId, index, -1)); }

void Write(uint32_t unitId, int index, int32_t value)
{
    rt::WriteProperty(kWindow, unitId, index, -1, static_cast<uint32_t>(value), 0);
}

LONG_PTR StyleOf(uint32_t unitId) { return GetWindowLongPtrW(UnitHandle(unitId), GWL_STYLE); }

}  // namespace buttons_test
