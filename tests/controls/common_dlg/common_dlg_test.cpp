// The CommonDlg unit on a real window: its stored values and clamps, and its dialogs shown by Show
// and driven from a second thread as a user would drive them: typed names, confirmations, cancels,
// the filter pairs the dialog offers, the owner, the font dialog and the help requests.
#include <gtest/gtest.h>

#include <windows.h>

#include <dlgs.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "commands/core/core_command_table.h"
#include "controls/common_dlg/common_dlg.h"
#include "runtime/unit_options/common_dlg_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/memory.h"
#include "runtime/start_runtime.h"
#include "runtime/program_templates.h"
#include "runtime/runtime_service.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/text_codec.h"
#include "runtime/unit_access.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/window_lifetime.h"
#include "runtime/window/window_unit.h"
#include "tests/runtime/window/thread_test_support.h"
#include "tests/runtime/window/window_test_support.h"
#include "tools/automation/automation.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kWindow = 0x52000301;
constexpr uint32_t kWindowUnit = 0x06000302;
constexpr uint32_t kDialog = 0x16000303;
constexpr DWORD kWaitMs = 10000;

constexpr const char* kPictureFilter = "(*.bmp;*.jpg;*.gif;*.tiff;*.png)|*.bmp;*.jpg;*.gif;*.tiff;*.png";

// Property numbers of the kind.
enum : int {
    kDialogType = 0,
    kTitle = 1,
    kFileName = 2,
    kFilter = 3,
    kFilterIndex = 4,
    kInitialDir = 5,
    kDefaultExt = 6,
    kCreatePrompt = 7,
    kFileMustExist = 8,
    kOverwritePrompt = 9,
    kPathMustExist = 10,
    kNoChangeDir = 11,
    kFontColour = 12,
    kFontBold = 13,
    kFontItalic = 14,
    kFontUnderline = 15,
    kFontStrikeOut = 16,
    kFontName = 17,
    kFontSize = 18,
    kHelpFile = 19,
    kHelpCommand = 20,
    kHelpTopic = 21,
};

bool Install(const std::vector<uint8_t>& dialogData)
{
    rt::WindowRecord window;
    window.id = kWindow;
    window.units.push_back(window_test::DefaultWindowRecord(kWindowUnit, {30, 30, 300, 200}, rt::kUnitVisible, {}));
    window.units.push_back(
        window_test::Record(kDialog, rt::kCommonDlgKind, {10, 10, 32, 32}, rt::kUnitVisible, {}, dialogData));
    return window_test::InstallTemplates({window}, rt::CodeBase{nullptr, 0});
}

HWND WindowHandle()
{
    rt::WindowTemplate* window = rt::ProgramTemplates().findWindow(kWindow);
    rt::WindowUnit* unit = window ? rt::LiveWindowOf(*window) : nullptr;
    return unit ? unit->handle() : nullptr;
}

HWND DialogUnitHandle()
{
    auto* unit = reinterpret_cast<rt::LiveUnit*>(rt::RuntimeService(rt::kServiceUnitObject, kWindow, kDialog));
    return unit ? unit->handle() : nullptr;
}

int64_t Read(int number) { return rt::ReadProperty(kWindow, kDialog, 8 + number, -1); }
void Write(int number, int32_t value)
{
    rt::WriteProperty(kWindow, kDialog, 8 + number, -1, static_cast<uint32_t>(value), 0);
}
void WriteText(int number, const std::string& text)
{
    rt::WriteProperty(kWindow, kDialog, 8 + number, -1, reinterpret_cast<uintptr_t>(text.c_str()), 0);
}
std::string ReadText(int number) { return window_test::ReadTextProperty(kWindow, kDialog, 8 + number); }

bool Show()
{
    rt::ValueTriple dialog = rt::MakeUnitRef(kWindow, kDialog, rt::kCommonDlgKind);
    rt::ValueTriple result{};
    rt::commands::CoreCommandRoutine(rt::commands::CoreCommand::kShow)(&result, 1, &dialog);
    return result.type == rt::kLogical && result.low != 0;
}

// A top-level dialog box of this process: the file, font or help dialog Show put up.
HWND WaitForDialogBox(DWORD timeoutMs)
{
    return automation::WaitForTopWindow(GetCurrentProcessId(), {.className = L"#32770"}, timeoutMs);
}

// Drives what Show puts up from a second thread, as a user would, while Show runs its modal loop
// on this one. Whatever the driver did, a dialog still up at the end is cancelled, so no test can
// hang on it.
class Driver {
public:
    explicit Driver(std::function<void(HWND dialog)> act)
        : thread_([act = std::move(act)] {
              HWND dialog = WaitForDialogBox(kWaitMs);
              if (!dialog) {
                  return;
              }
              act(dialog);
              if (automation::WaitForWindowGone(dialog, kWaitMs)) {
                  return;
              }
              if (HWND box = automation::FindOwnedMessageBox(dialog)) {
                  automation::PressDialogButton(box, IDCANCEL);
                  automation::PressDialogButton(box, IDNO);
                  automation::PressDialogButton(box, IDOK);
              }
              automation::CancelFileDialog(dialog, kWaitMs);
          })
    {
    }
    ~Driver() { thread_.join(); }

private:
    std::thread thread_;
};

// A folder of its own, with a Chinese name, so that paths cross the GBK conversion both ways.
class Folder {
public:
    Folder() : path_(fs::temp_directory_path() / (L"zorvi-对话框-" + std::to_wstring(GetCurrentProcessId())))
    {
        fs::create_directories(path_);
    }
    ~Folder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::wstring file(const std::wstring& name) const { return (path_ / name).wstring(); }
    std::wstring addFile(const std::wstring& name) const
    {
        std::ofstream(path_ / name) << "x";
        return file(name);
    }
    std::string gbk() const { return rt::GbkFromWide(path_.wstring()); }
    std::string gbk(const std::wstring& name) const { return rt::GbkFromWide(file(name)); }

private:
    fs::path path_;
};

// The file type combo box's items and the selected one.
struct FileTypes {
    std::vector<std::wstring> items;
    int selected = -1;
};

FileTypes ReadFileTypes(HWND dialog)
{
    FileTypes types;
    HWND combo = GetDlgItem(dialog, cmb1);
    if (!combo) {
        return types;
    }
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) < 255) {
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        }
        types.items.emplace_back(text);
    }
    types.selected = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    return types;
}

int CALLBACK TakeTrueTypeFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM found)
{
    if ((type & TRUETYPE_FONTTYPE) && font->lfFaceName[0] != L'@') {
        *reinterpret_cast<std::wstring*>(found) = font->lfFaceName;
        return 0;
    }
    return 1;
}

// A TrueType face the system has, for the font dialog to start from.
std::string InstalledFace()
{
    std::wstring face;
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    rt::ScreenDc screen;
    EnumFontFamiliesExW(screen.get(), &wanted, TakeTrueTypeFace, reinterpret_cast<LPARAM>(&face), 0);
    return rt::GbkFromWide(face);
}

rt::CommonDlgOptions Options(int32_t type)
{
    rt::CommonDlgOptions options;
    options.DialogType = type;
    options.Filter = kPictureFilter;
    return options;
}

struct CommonDlgTest : ::testing::Test {
    static void SetUpTestSuite()
    {
        window_test::StartWindowLayerForTests();
        rt::RegisterUnitKind(rt::units::CommonDlgKind());
        rt::units::RegisterCommonDlgMethods();
    }
    void SetUp() override { startDirectory_ = fs::current_path(); }
    bool Load(const rt::CommonDlgOptions& options)
    {
        return Install(rt::WriteOptions(options)) && rt::LoadWindow(kWindow, nullptr, false, false) &&
               DialogUnitHandle();
    }
    void TearDown() override
    {
        rt::DestroyAllWindows();
        window_test::Pump(20);
        fs::current_path(startDirectory_);
    }

    fs::path startDirectory_;
};

TEST_F(CommonDlgTest, EmptyDataGivesTheDefaultsAndTheUnitStaysHidden)
{
    ASSERT_TRUE(Install({}));
    ASSERT_TRUE(rt::LoadWindow(kWindow, nullptr, false, false));
    ASSERT_TRUE(DialogUnitHandle());
    EXPECT_FALSE(IsWindowVisible(DialogUnitHandle()));
    EXPECT_EQ(Read(kDialogType), 0);
    EXPECT_EQ(Read(kFileMustExist), 1);
    EXPECT_EQ(Read(kOverwritePrompt), 1);
    EXPECT_EQ(Read(kPathMustExist), 1);
    EXPECT_EQ(Read(kCreatePrompt), 0);
    EXPECT_EQ(Read(kNoChangeDir), 0);
    EXPECT_EQ(ReadText(kFilter), "");
    // Showing a hidden unit leaves it hidden.
    rt::WriteProperty(kWindow, kDialog, 5, -1, 1, 0);
    EXPECT_FALSE(IsWindowVisible(DialogUnitHandle()));
}

TEST_F(CommonDlgTest, ANewerVersionOfThePropertyDataFailsTheLoad)
{
    std::vector<uint8_t> data = rt::WriteOptions(Options(0));
    data[0] = 2;
    ASSERT_TRUE(Install(data));
    EXPECT_FALSE(rt::LoadWindow(kWindow, nullptr, false, false));
}

TEST_F(CommonDlgTest, WritesAreStoredAndClamped)
{
    ASSERT_TRUE(Load(Options(0)));
    Write(kDialogType, 9);
    EXPECT_EQ(Read(kDialogType), 3);
    Write(kDialogType, -2);
    EXPECT_EQ(Read(kDialogType), 0);
    Write(kFilterIndex, -1);
    EXPECT_EQ(Read(kFilterIndex), 0);
    Write(kFilterIndex, 2);
    EXPECT_EQ(Read(kFilterIndex), 2);
    Write(kFontSize, -5);
    EXPECT_EQ(Read(kFontSize), 0);
    Write(kHelpCommand, 8);
    EXPECT_EQ(Read(kHelpCommand), 5);
    Write(kFontColour, 0x123456);
    EXPECT_EQ(Read(kFontColour), 0x123456);
    Write(kFontBold, 7);
    EXPECT_EQ(Read(kFontBold), 1);
    WriteText(kInitialDir, "C:\\图片");
    EXPECT_EQ(ReadText(kInitialDir), "C:\\图片");
    WriteText(kHelpFile, "a.hlp");
    EXPECT_EQ(ReadText(kHelpFile), "a.hlp");
}

TEST_F(CommonDlgTest, AConfirmedOpenDialogGivesTheFullPathOfATypedName)
{
    Folder folder;
    folder.addFile(L"分割 图片.jpg");
    rt::CommonDlgOptions options = Options(0);
    options.FileName = "旧.jpg";
    options.InitialDir = folder.gbk();
    options.Title = "打开图片";
    ASSERT_TRUE(Load(options));
    HWND owner = nullptr;
    std::wstring title;
    FileTypes types;
    bool shown = false;
    {
        Driver driver([&](HWND dialog) {
            owner = GetWindow(dialog, GW_OWNER);
            title = automation::WindowText(dialog);
            types = ReadFileTypes(dialog);
            automation::ConfirmFileDialog(dialog, L"分割 图片.jpg", kWaitMs);
        });
        shown = Show();
    }
    EXPECT_TRUE(shown);
    EXPECT_EQ(ReadText(kFileName), folder.gbk(L"分割 图片.jpg"));
    EXPECT_EQ(owner, WindowHandle());
    EXPECT_EQ(title, L"打开图片");
    EXPECT_EQ(types.items, std::vector<std::wstring>{L"(*.bmp;*.jpg;*.gif;*.tiff;*.png)"});
    EXPECT_EQ(types.selected, 0);
    // NoChangeDir 0: the current directory follows the chosen file, as the application relies on.
    EXPECT_EQ(fs::current_path(), fs::path(folder.file(L"")).parent_path());
}

// The application starts its open dialog in the shell's computer folder, named by a text that
// ends in a semicolon and blanks; the dialog must still come up and take a typed path.
TEST_F(CommonDlgTest, TheApplicationsComputerFolderStartStillShowsTheDialog)
{
    Folder folder;
    const std::wstring picture = folder.addFile(L"a.jpg");
    rt::CommonDlgOptions options = Options(0);
    options.InitialDir = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D};   ";
    ASSERT_TRUE(Load(options));
    bool shown = false;
    {
        Driver driver([&](HWND dialog) { automation::ConfirmFileDialog(dialog, picture, kWaitMs); });
        shown = Show();
    }
    EXPECT_TRUE(shown);
    EXPECT_EQ(ReadText(kFileName), rt::GbkFromWide(picture));
}

TEST_F(CommonDlgTest, NoChangeDirKeepsTheCurrentDirectory)
{
    Folder folder;
    const std::wstring picture = folder.addFile(L"a.jpg");
    rt::CommonDlgOptions options = Options(0);
    options.NoChangeDir = true;
    ASSERT_TRUE(Load(options));
    const fs::path before = fs::current_path();
    bool shown = false;
    {
        Driver driver([&](HWND dialog) { automation::ConfirmFileDialog(dialog, picture, kWaitMs); });
        shown = Show();
    }
    EXPECT_TRUE(shown);
    EXPECT_EQ(ReadText(kFileName), rt::GbkFromWide(picture));
    EXPECT_EQ(fs::current_path(), before);
}

TEST_F(CommonDlgTest, ACancelledDialogChangesNothing)
{
    Folder folder;
    rt::CommonDlgOptions options = Options(0);
    options.FileName = "旧.jpg";
    options.InitialDir = folder.gbk();
    ASSERT_TRUE(Load(options));
    const std::vector<uint8_t> before = rt::WriteOptions(options);
    bool shown = true;
    {
        Driver driver([&](HWND dialog) {
            HWND field = automation::FileNameField(dialog);
            automation::SetText(field, L"typed but cancelled.jpg");
            automation::CancelFileDialog(dialog, kWaitMs);
        });
        shown = Show();
    }
    EXPECT_FALSE(shown);
    EXPECT_EQ(ReadText(kFileName), "旧.jpg");
    EXPECT_EQ(ReadText(kInitialDir), folder.gbk());
    EXPECT_EQ(Read(kFilterIndex), 0);
}

// Without a filter: a selected filter's own extension would take the place of the default one.
TEST_F(CommonDlgTest, ASaveDialogAppendsTheDefaultExtension)
{
    Folder folder;
    rt::CommonDlgOptions options = Options(1);
    options.Filter.clear();
    options.InitialDir = folder.gbk();
    options.DefaultExt = "jpg";
    ASSERT_TRUE(Load(options));
    bool shown = false;
    {
        Driver driver([&](HWND dialog) { automation::ConfirmFileDialog(dialog, L"封面", kWaitMs); });
        shown = Show();
    }
    EXPECT_TRUE(shown);
    EXPECT_EQ(ReadText(kFileName), folder.gbk(L"封面.jpg"));
}

TEST_F(CommonDlgTest, ASaveDialogAsksBeforeReplacingAndACancelKeepsTheName)
{
    Folder folder;
    const std::wstring existing = folder.addFile(L"cover.jpg");
    rt::CommonDlgOptions options = Options(1);
    options.FileName = "keep";
    ASSERT_TRUE(Load(options));
    bool asked = false;
    bool shown = true;
    {
        Driver driver([&](HWND dialog) {
            asked =
                automation::ConfirmFileDialog(dialog, existing, kWaitMs) == automation::FileDialogOutcome::kMessageBox;
            automation::AnswerOverwritePrompt(dialog, false, kWaitMs);
            automation::CancelFileDialog(dialog, kWaitMs);
        });
        shown = Show();
    }
    EXPECT_TRUE(asked);
    EXPECT_FALSE(shown);
    EXPECT_EQ(ReadText(kFileName), "keep");
}

// Filters and item texts in GBK.
struct FilterCase {
    const char* filter;
    int32_t index;
    std::vector<std::string> items;
    int selected;
};

void PrintTo(const FilterCase& filterCase, std::ostream* out) { *out << '"' << filterCase.filter << '"'; }

class CommonDlgFilterTest : public CommonDlgTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(CommonDlgFilterTest, TheDialogOffersThePairsAndStartsWithTheIndexedOne)
{
    rt::CommonDlgOptions options = Options(0);
    options.Filter = GetParam().filter;
    options.FilterIndex = GetParam().index;
    ASSERT_TRUE(Load(options));
    FileTypes types;
    {
        Driver driver([&](HWND dialog) {
            types = ReadFileTypes(dialog);
            automation::CancelFileDialog(dialog, kWaitMs);
        });
        EXPECT_FALSE(Show());
    }
    std::vector<std::string> items;
    for (const std::wstring& item : types.items) {
        items.push_back(rt::GbkFromWide(item));
    }
    EXPECT_EQ(items, GetParam().items);
    EXPECT_EQ(types.selected, GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(Filters, CommonDlgFilterTest,
                         ::testing::Values(FilterCase{"A|*.a|B|*.b", 1, {"A", "B"}, 1},
                                           FilterCase{"A|*.a|B|*.b||", 0, {"A", "B"}, 0},
                                           // A negative index in the stored data selects the first pair.
                                           FilterCase{"A|*.a|B|*.b  ", -1, {"A", "B"}, 0},
                                           FilterCase{"图片|*.jpg|全部|*.*", 0, {"图片", "全部"}, 0},
                                           // A double-byte character whose second byte is "|" is no separator.
                                           FilterCase{"\x81\x7c|*.a", 0, {"\x81\x7c"}, 0}, FilterCase{"", 0, {}, -1}));

TEST_F(CommonDlgTest, ShowFromAWorkerThreadRunsTheDialogOnTheWindowThread)
{
    Folder folder;
    const std::wstring picture = folder.addFile(L"a.jpg");
    ASSERT_TRUE(Load(Options(0)));
    DWORD dialogThread = 0;
    bool shown = false;
    {
        Driver driver([&](HWND dialog) {
            dialogThread = GetWindowThreadProcessId(dialog, nullptr);
            automation::ConfirmFileDialog(dialog, picture, kWaitMs);
        });
        std::vector<std::thread> worker;
        worker.emplace_back([&] { shown = Show(); });
        window_test::JoinWhilePumping(worker, 3 * kWaitMs);
    }
    EXPECT_TRUE(shown);
    EXPECT_EQ(dialogThread, GetCurrentThreadId());
    EXPECT_EQ(ReadText(kFileName), rt::GbkFromWide(picture));
}

TEST_F(CommonDlgTest, AConfirmedFontDialogWritesTheFontBack)
{
    rt::CommonDlgOptions options = Options(2);
    const std::string face = InstalledFace();
    ASSERT_NE(face, "");
    options.FontName = face;
    options.FontSize = 12;
    options.FontBold = true;
    options.FontColour = 0x0000ff;
    ASSERT_TRUE(Load(options));
    bool shown = false;
    {
        Driver driver([&](HWND dialog) { automation::PressDialogButton(dialog, IDOK); });
        shown = Show();
    }
    EXPECT_TRUE(shown);
    EXPECT_EQ(Read(kFontBold), 1);
    EXPECT_EQ(Read(kFontItalic), 0);
    EXPECT_EQ(Read(kFontColour), 0x0000ff);
    EXPECT_EQ(ReadText(kFontName), face);
    EXPECT_EQ(Read(kFontSize), 12);
}

TEST_F(CommonDlgTest, ACancelledFontDialogChangesNothing)
{
    rt::CommonDlgOptions options = Options(2);
    options.FontName = "宋体";
    options.FontSize = 9;
    ASSERT_TRUE(Load(options));
    bool shown = true;
    {
        Driver driver([&](HWND dialog) { automation::PressDialogButton(dialog, IDCANCEL); });
        shown = Show();
    }
    EXPECT_FALSE(shown);
    EXPECT_EQ(ReadText(kFontName), "宋体");
    EXPECT_EQ(Read(kFontSize), 9);
}

TEST_F(CommonDlgTest, HelpWithAMissingFileIsRefusedAndQuittingHelpIsServed)
{
    Folder folder;
    rt::CommonDlgOptions options = Options(3);
    options.HelpFile = folder.gbk(L"missing.hlp");
    ASSERT_TRUE(Load(options));
    for (int command : {0, 1, 2, 3}) {
        Write(kHelpCommand, command);
        EXPECT_FALSE(Show()) << command;
    }
    // Without a help file of its own the unit names the program's, which a test program lacks.
    WriteText(kHelpFile, "");
    Write(kHelpCommand, 0);
    EXPECT_FALSE(Show());
    Write(kHelpCommand, 5);
    EXPECT_TRUE(Show());
}

TEST_F(CommonDlgTest, ShowOnAReferenceToNoLiveUnitGivesFalse)
{
    rt::ValueTriple wrongKind = rt::MakeUnitRef(kWindow, kDialog, rt::kHyperLinkerKind);
    rt::ValueTriple result{};
    rt::commands::CoreCommandRoutine(rt::commands::CoreCommand::kShow)(&result, 1, &wrongKind);
    EXPECT_EQ(result.type, rt::kLogical);
    EXPECT_EQ(result.low, 0u);
    rt::commands::CoreCommandRoutine(rt::commands::CoreCommand::kShow)(&result, 0, nullptr);
    EXPECT_EQ(result.low, 0u);
}

}  // namespace
