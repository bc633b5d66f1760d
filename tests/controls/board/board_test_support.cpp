#include "tests/controls/board/board_test_support.h"

#include "commands/core/core_command_table.h"
#include "controls/board/board.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/program_templates.h"
#include "runtime/runtime_service.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/unit_access.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/window/unit_kind.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/window_lifetime.h"
#include "tests/runtime/window/window_test_support.h"

namespace board_test {
namespace {

PaintLog paintLog;

rt::SubReturn OnRepaint(const int32_t* args, int count)
{
    ++paintLog.repaints;
    for (int i = 0; i < 4 && i < count; ++i) {
        paintLog.area[i] = args[i];
    }
    if (paintLog.drawInHandler) {
        Method(rt::commands::CoreCommand::kDrawLine, {Board(kPainted), Int(0), Int(5), Int(60), Int(5)});
    }
    return {};
}
rt::SubReturn OnGotFocus(const int32_t*, int)
{
    ++paintLog.gotFocus;
    return {};
}
rt::SubReturn OnLostFocus(const int32_t*, int)
{
    ++paintLog.lostFocus;
    return {};
}

const rt::ApplicationSub kSubs[] = {OnRepaint, OnGotFocus, OnLostFocus};
const rt::CodeBase kCodeBase{kSubs, 3};

rt::UnitRecord BoardRecord(uint32_t id, rt::UnitRect rect, uint32_t flags, const rt::BoardOptions& options,
                           std::vector<rt::EventBinding> bindings = {})
{
    return window_test::Record(id, rt::kBoardKind, rect, flags, std::move(bindings), rt::WriteOptions(options));
}

rt::WindowRecord BoardWindow()
{
    rt::WindowRecord window;
    window.id = kWindow;
    window.units.push_back(window_test::DefaultWindowRecord(kWindowUnit, {30, 30, 420, 320}, rt::kUnitVisible, {}));
    rt::BoardOptions framed;
    framed.Border = 5;
    framed.AutoRedraw = true;
    window.units.push_back(BoardRecord(kFramed, {10, 10, 40, 30}, 0, framed));
    rt::BoardOptions white;
    white.AutoRedraw = true;
    white.BackColour = kWhite;
    window.units.push_back(BoardRecord(kSmall, {60, 10, 3, 2}, 0, white));
    window.units.push_back(BoardRecord(kWide, {10, 50, 200, 100}, 0, white));
    rt::BoardOptions painted;
    painted.BackColour = 0x00ff0000;
    window.units.push_back(BoardRecord(kPainted, {220, 50, 60, 40}, rt::kUnitVisible | rt::kUnitTakesFocus, painted,
                                       {{0, 0}, {-7, 1}, {-8, 2}}));
    return window;
}

}  // namespace

PaintLog& Log() { return paintLog; }

void LoadBoardWindow()
{
    window_test::StartWindowLayerForTests();
    rt::RegisterUnitKind(rt::units::BoardKind());
    rt::units::RegisterBoardMethods();
    paintLog = {};
    if (!window_test::InstallTemplates({BoardWindow()}, kCodeBase)) {
        return;
    }
    rt::LoadWindow(kWindow, nullptr, false, false);
    window_test::Pump(30);
}

void DestroyBoardWindow()
{
    rt::DestroyAllWindows();
    window_test::Pump(20);
}

rt::ValueTriple Board(uint32_t unitId) { return rt::MakeUnitRef(kWindow, unitId, rt::kBoardKind); }

HWND BoardHandle(uint32_t unitId)
{
    auto* unit = reinterpret_cast<rt::LiveUnit*>(rt::RuntimeService(rt::kServiceUnitObject, kWindow, unitId));
    return unit ? unit->handle() : nullptr;
}

int64_t Read(uint32_t unitId, int index) { return rt::ReadProperty(kWindow, unitId, index, -1); }

void Write(uint32_t unitId, int index, int64_t value)
{
    rt::WriteProperty(kWindow, unitId, index, -1, static_cast<uint32_t>(value), 0);
}

void WriteBytes(uint32_t unitId, int index, const Bytes& bytes)
{
    test::ByteSetArg block(bytes);
    void* pointer = block.triple().pointer();
    rt::WriteProperty(kWindow, unitId, index, -1, reinterpret_cast<uintptr_t>(bytes.empty() ? nullptr : pointer), 0);
}

test::CommandResult Method(rt::commands::CoreCommand command, std::initializer_list<rt::ValueTriple> args)
{
    return test::Call(rt::commands::CoreCommandRoutine(command), args);
}

Bytes MakeBmp(int width, int height, const std::vector<uint32_t>& topDown)
{
    size_t row = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    Bytes file(54 + row * height);
    auto put = [&](size_t at, uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            file[at + i] = static_cast<uint8_t>(value >> (8 * i));
        }
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, static_cast<uint32_t>(file.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, width, 4);
    put(22, height, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (int y = 0; y < height; ++y) {
        size_t at = 54 + row * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            uint32_t colour = topDown[static_cast<size_t>(y) * width + x];
            file[at + 3 * x] = static_cast<uint8_t>(colour);
            file[at + 3 * x + 1] = static_cast<uint8_t>(colour >> 8);
            file[at + 3 * x + 2] = static_cast<uint8_t>(colour >> 16);
        }
    }
    return file;
}

int32_t LoadPicture(const Bytes& file)
{
    test::ByteSetArg bytes(file);
    return Method(rt::commands::CoreCommand::kLoadPicture, {bytes.triple()}).integer();
}

void UnloadPicture(int32_t handle) { Method(rt::commands::CoreCommand::kUnloadPicture, {Int(handle)}); }

Pixels PixelsOf(const Bytes& file)
{
    Pixels pixels;
    if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') {
        return pixels;
    }
    auto u32 = [&](size_t at) {
        return static_cast<uint32_t>(file[at] | file[at + 1] << 8 | file[at + 2] << 16 | file[at + 3] << 24);
    };
    int width = static_cast<int>(u32(18));
    int height = static_cast<int>(u32(22));
    size_t row = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    if (width <= 0 || height <= 0 || file.size() < 54 + row * height) {
        return pixels;
    }
    pixels.width = width;
    pixels.height = height;
    for (int y = 0; y < height; ++y) {
        size_t at = 54 + row * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &file[at + 3 * x];
            pixels.colours.push_back(static_cast<uint32_t>(p[2] << 16 | p[1] << 8 | p[0]));
        }
    }
    return pixels;
}

Pixels BoardPixels(uint32_t unitId)
{
    return PixelsOf(Method(rt::commands::CoreCommand::kGetPictureData, {Board(unitId)}).bytes());
}

uint32_t Rgb(COLORREF colour) { return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour); }

}  // namespace board_test
