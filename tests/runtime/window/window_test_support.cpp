#include "tests/runtime/window/window_test_support.h"

#include <map>
#include <memory>

#include "runtime/unit_options/option_fields.h"
#include "runtime/memory.h"
#include "runtime/message_loop.h"
#include "runtime/program_templates.h"
#include "runtime/runtime_app.h"
#include "runtime/runtime_window.h"
#include "runtime/runtime_service.h"
#include "runtime/templates/template_writer.h"
#include "runtime/text_codec.h"
#include "runtime/unit_access.h"
#include "runtime/window/window_layer.h"
#include "runtime/window/window_unit.h"
#include "runtime/window/unit_kind_registry.h"

namespace window_test {
namespace {

struct TestOptions {
    static constexpr uint32_t kMaxVersion = 1;
    std::string Caption;
    int32_t Number = 7;

    template <class Options, class Field>
    static void Layout(Options& o, Field& field, uint32_t)
    {
        field("Caption", o.Caption);
        field("Number", o.Number);
    }
};

std::map<uint32_t, std::wstring>& Characters()
{
    static std::map<uint32_t, std::wstring> characters;
    return characters;
}

class TestUnit : public rt::LiveUnit {
public:
    TestUnit(const rt::UnitCreateArgs& args, TestOptions options)
        : LiveUnit(args.windowId, args.unitId), options_(std::move(options))
    {
    }
    void bind(HWND window) { handle_ = window; }

    bool setProperty(int number, const rt::PropertyValue& value) override
    {
        if (number == kCaption) {
            options_.Caption = value.text;
        } else if (number == kNumber) {
            options_.Number = value.number;
        } else if (number == kChecked) {
            checked_ = value.number != 0;
        }
        return number == kRebuild;
    }
    rt::PropertyValue getProperty(int number) override
    {
        rt::PropertyValue value;
        value.text = number == kCaption ? options_.Caption : std::string();
        value.number = number == kNumber ? options_.Number : number == kChecked ? checked_ : 0;
        return value;
    }
    std::vector<uint8_t> serialise() override { return rt::WriteOptions(options_); }
    std::string caption() override { return options_.Caption; }
    void onMnemonic() override { checked_ = !checked_; }

private:
    TestOptions options_;
    bool checked_ = false;
};

LRESULT CALLBACK TestUnitProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<TestUnit*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        auto* holder =
            static_cast<std::unique_ptr<TestUnit>*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        state = holder->release();
        state->bind(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    } else if (message == WM_NCDESTROY && state) {
        std::unique_ptr<TestUnit> owned(state);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        rt::RuntimeService(rt::kServiceUnitDestroyed, owned->windowId(), owned->unitId());
    } else if (message == WM_CHAR && state) {
        Characters()[state->unitId()] += static_cast<wchar_t>(wParam);
        return 0;
    } else if (message == WM_GETDLGCODE) {
        return DLGC_WANTALLKEYS;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

rt::LiveUnit* CreateTestUnit(const rt::UnitCreateArgs& args)
{
    std::optional<TestOptions> options = rt::ReadOptions<TestOptions>(args.propertyData, args.propertyLength);
    if (!options) {
        return nullptr;
    }
    static bool registered = false;
    if (!registered) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = TestUnitProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ZorviTestUnit";
        registered = RegisterClassW(&windowClass) != 0;
    }
    auto unit = std::make_unique<TestUnit>(args, *options);
    rt::LiveUnit* created = unit.get();
    HWND window = CreateWindowExW(0, L"ZorviTestUnit", rt::WideFromGbk(options->Caption).c_str(), WS_CHILD | args.style,
                                  args.left, args.top, args.width, args.height, args.parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)),
                                  GetModuleHandleW(nullptr), &unit);
    return window ? created : nullptr;
}

constexpr rt::PropertyDescription kTestProperties[] = {
    {"Caption", rt::PropertyType::kText},
    {"Number", rt::PropertyType::kInt},
    {"Rebuild", rt::PropertyType::kInt},
    {"Checked", rt::PropertyType::kLogical},
};

const rt::UnitKindDescription kTestKindDescription{
    kTestKind, "测试组件", "TestUnit", 0x04 | 0x800, kTestProperties, 4, CreateTestUnit, nullptr,
};

const rt::UnitKindDescription kTestCheckKindDescription{
    kTestCheckKind, "测试选择框", "TestCheck", 0x04 | 0x1000, kTestProperties, 4, CreateTestUnit, nullptr,
};

}  // namespace

rt::UnitRecord Record(uint32_t id, uint32_t kind, rt::UnitRect rect, uint32_t flags,
                      std::vector<rt::EventBinding> bindings, std::vector<uint8_t> propertyData)
{
    rt::UnitRecord record;
    record.id = id;
    record.kind = kind;
    rt::PlacedUnit placed;
    placed.rect = rect;
    placed.flags = flags;
    placed.bindings = std::move(bindings);
    placed.propertyData = std::move(propertyData);
    record.body = std::move(placed);
    return record;
}

const rt::UnitKindDescription& TestKind() { return kTestKindDescription; }
const rt::UnitKindDescription& TestCheckKind() { return kTestCheckKindDescription; }

std::wstring CharactersReceived(uint32_t unitId) { return Characters()[unitId]; }
void ClearCharacters() { Characters().clear(); }

rt::UnitRecord WindowRecord(uint32_t id, const rt::WindowOptions& options, rt::UnitRect rect, uint32_t flags,
                            std::vector<rt::EventBinding> bindings)
{
    return Record(id, 0x00010001, rect, flags, std::move(bindings), rt::WriteOptions(options));
}

rt::UnitRecord DefaultWindowRecord(uint32_t id, rt::UnitRect rect, uint32_t flags,
                                   std::vector<rt::EventBinding> bindings)
{
    return Record(id, 0x00010001, rect, flags, std::move(bindings), {});
}

rt::UnitRecord TestUnitRecord(uint32_t id, rt::UnitRect rect, uint32_t flags, uint32_t container,
                              std::vector<uint32_t> children, std::vector<rt::EventBinding> bindings)
{
    rt::UnitRecord record = Record(id, kTestKind, rect, flags, std::move(bindings), {});
    record.placed().container = container;
    record.placed().children = std::move(children);
    return record;
}

rt::UnitRecord TestCheckRecord(uint32_t id, rt::UnitRect rect, uint32_t flags, const std::string& caption,
                               std::vector<rt::EventBinding> bindings)
{
    TestOptions options;
    options.Caption = caption;
    return Record(id, kTestCheckKind, rect, flags, std::move(bindings), rt::WriteOptions(options));
}

HWND WindowHandle(uint32_t windowId)
{
    rt::WindowTemplate* window = rt::ProgramTemplates().findWindow(windowId);
    rt::WindowUnit* unit = window ? rt::LiveWindowOf(*window) : nullptr;
    return unit ? unit->handle() : nullptr;
}

HWND UnitHandle(uint32_t windowId, uint32_t unitId)
{
    auto* unit = reinterpret_cast<rt::LiveUnit*>(rt::RuntimeService(rt::kServiceUnitObject, windowId, unitId));
    return unit ? unit->handle() : nullptr;
}

std::string ReadTextProperty(uint32_t windowId, uint32_t unitId, int index)
{
    auto* text = reinterpret_cast<char*>(static_cast<uintptr_t>(rt::ReadProperty(windowId, unitId, index, -1)));
    std::string value = text ? text : "";
    rt::FreeMem(text);
    return value;
}

void StartWindowLayerForTests()
{
    if (rt::App().runtimeWindow) {
        return;
    }
    rt::App().mainThreadId = GetCurrentThreadId();
    rt::CreateRuntimeWindow();
    rt::StartWindowLayer();
}

bool InstallTemplates(const std::vector<rt::WindowRecord>& windows, const rt::CodeBase& codeBase)
{
    rt::RegisterUnitKind(TestKind());
    rt::RegisterUnitKind(TestCheckKind());
    rt::TemplateBlock block;
    block.windows = windows;
    std::vector<uint8_t> bytes = rt::WriteTemplateBlock(block);
    std::optional<rt::TemplateCollection> collection = rt::LoadTemplateCollection(bytes.data(), bytes.size(), codeBase);
    if (!collection) {
        return false;
    }
    rt::ProgramTemplates() = std::move(*collection);
    return true;
}

void Pump(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    do {
        rt::ProcessPendingMessages();
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

}  // namespace window_test
