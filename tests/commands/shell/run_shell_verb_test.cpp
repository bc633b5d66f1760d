// RunShellVerb called as the application calls it. A file class registered for the test starts
// shell_recorder.exe for each of the five verbs; what the recorder writes shows the verb, target,
// parameters, working folder and show mode the shell was given. The program runs with the 1252
// code page, so its Chinese paths arrive only through the explicit 936 conversion.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands/shell/shell_library.h"
#include "runtime/helper_table.h"
#include "runtime/text_codec.h"
#include "runtime/win32/owned_handles.h"
#include "tools/automation/process.h"
#include "tools/automation/wait.h"
#include "tools/automation/window_query.h"

namespace {

namespace fs = std::filesystem;

constexpr DWORD kWaitMs = 10000;
constexpr int kShellLibraryNumber = 4;
constexpr wchar_t kExtension[] = L".zorvishellrecord";
constexpr wchar_t kClassName[] = L"ZorviShellRecord";
constexpr const wchar_t* kVerbs[] = {L"edit", L"explore", L"find", L"open", L"print"};
// The verb the class names as its default, so that the default is told apart from "open".
constexpr wchar_t kDefaultVerb[] = L"print";

void RunShellVerb(std::vector<rt::ValueTriple> args)
{
    rt::ValueTriple result = rt::Helpers().callLibraryCommand(
        kShellLibraryNumber, rt::commands::kShellLibrary.commands[0], static_cast<int>(args.size()), args.data());
    EXPECT_EQ(result.type, rt::kOmitted) << "RunShellVerb has no result value";
}

// A GBK text argument; kept alive for the whole program as constant texts are.
rt::ValueTriple Gbk(const std::wstring& text)
{
    static std::vector<std::unique_ptr<std::string>> kept;
    kept.push_back(std::make_unique<std::string>(rt::GbkFromWide(text)));
    return rt::MakeText(kept.back()->c_str());
}

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path().wstring();
}

bool SetDefaultValue(HKEY root, const std::wstring& subKey, const std::wstring& value)
{
    auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(root, subKey.c_str(), nullptr, REG_SZ, value.c_str(), bytes) == ERROR_SUCCESS;
}

bool VisibleInClassesRoot(const std::wstring& subKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// The test's file class, removed again when the test is done. It goes into the user's classes;
// Wine's classes root does not show those, so there it goes into the machine's classes of the
// test's own prefix.
class RecordingFileClass {
public:
    explicit RecordingFileClass(const std::wstring& recordPath)
    {
        std::wstring recorder = ProgramFolder() + L"\\shell_recorder.exe";
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            root_ = root;
            if (Register(recorder, recordPath) && VisibleInClassesRoot(kExtension)) {
                registered_ = true;
                return;
            }
            Remove();
        }
    }
    ~RecordingFileClass() { Remove(); }
    bool registered() const { return registered_; }

private:
    bool Register(const std::wstring& recorder, const std::wstring& recordPath) const
    {
        bool made = SetDefaultValue(root_, kClasses + kExtension, kClassName) &&
                    SetDefaultValue(root_, kClasses + kClassName + L"\\shell", kDefaultVerb);
        for (const wchar_t* verb : kVerbs) {
            std::wstring command = L"\"" + recorder + L"\" \"" + recordPath + L"\" " + verb + L" \"%1\" %*";
            made = made && SetDefaultValue(root_, kClasses + kClassName + L"\\shell\\" + verb + L"\\command", command);
        }
        return made;
    }
    void Remove() const
    {
        RegDeleteTreeW(root_, (kClasses + kExtension).c_str());
        RegDeleteTreeW(root_, (kClasses + kClassName).c_str());
    }

    const std::wstring kClasses = L"Software\\Classes\\";
    HKEY root_ = HKEY_CURRENT_USER;
    bool registered_ = false;
};

// What the recorder was started with.
struct Record {
    std::vector<std::wstring> arguments;  // after the recorder's own name and the record path
    std::wstring folder;
    int showMode = -1;
};

std::optional<std::wstring> ReadUtf16(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    return text;
}

std::vector<std::wstring> SplitLines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end = text.find(L'\n'); end != std::wstring::npos; end = text.find(L'\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::wstring> ArgumentsOf(const std::wstring& commandLine)
{
    int count = 0;
    wchar_t** parts = CommandLineToArgvW(commandLine.c_str(), &count);
    std::vector<std::wstring> arguments(parts ? parts : nullptr, parts ? parts + count : nullptr);
    LocalFree(parts);
    return arguments;
}

struct FolderWindowSearch {
    const std::wstring& name;
    HWND found = nullptr;
};

BOOL CALLBACK MatchFolderWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<FolderWindowSearch*>(context);
    std::wstring className = automation::ClassName(window);
    bool folderClass = className == L"ExplorerWClass" || className == L"CabinetWClass";
    if (IsWindowVisible(window) && folderClass &&
        automation::WindowText(window).find(search->name) != std::wstring::npos) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A visible folder window of the shell (Wine's file browser or the system's) whose title names the
// folder.
HWND FindFolderWindow(const std::wstring& folderName)
{
    FolderWindowSearch search{folderName};
    EnumWindows(MatchFolderWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Closes a folder window and waits for it to be gone; its own process ends with it under Wine.
void CloseFolderWindow(HWND window)
{
    DWORD pid = automation::WindowProcessId(window);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(automation::WaitForWindowGone(window, kWaitMs));
    if (automation::ClassName(window).empty() && pid != 0) {
        automation::WaitForProcessExit(pid, kWaitMs);
    }
}

fs::path TempFolder()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return fs::path(temp);
}

std::wstring Suffix() { return std::to_wstring(GetCurrentProcessId()); }

class RunShellVerbTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fileClass_.registered());
        fs::create_directories(workFolder_);
        std::ofstream(target_) << "recorded";
        fs::remove(recordPath_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
        fs::remove(recordPath_, ignored);
    }

    // The record of the start the last call caused; nothing when none came within the wait.
    std::optional<Record> TakeRecord()
    {
        if (!automation::WaitFor(kWaitMs, [&] { return fs::exists(recordPath_); })) {
            return std::nullopt;
        }
        std::vector<std::wstring> lines = SplitLines(ReadUtf16(recordPath_).value_or(L""));
        fs::remove(recordPath_);
        if (lines.size() != 3) {
            return std::nullopt;
        }
        std::vector<std::wstring> arguments = ArgumentsOf(lines[0]);
        if (arguments.size() < 2) {
            return std::nullopt;
        }
        return Record{{arguments.begin() + 2, arguments.end()}, lines[1], std::stoi(lines[2])};
    }

    const fs::path root_ = TempFolder() / (L"zorvi shell 测试 " + Suffix());
    const fs::path workFolder_ = root_ / L"工作 目录";
    const fs::path target_ = root_ / L"说明 文件.zorvishellrecord";
    const fs::path recordPath_ = TempFolder() / (L"zorvi shell record " + Suffix() + L".txt");
    RecordingFileClass fileClass_{recordPath_.wstring()};
};

TEST_F(RunShellVerbTest, EachVerbReachesTheShellWithTargetParametersFolderAndMode)
{
    for (int32_t verb = 1; verb <= 5; ++verb) {
        RunShellVerb({rt::MakeInt(verb), Gbk(target_.wstring()), Gbk(L"-名 \"两 词\""), Gbk(workFolder_.wstring()),
                      rt::MakeInt(4)});
        std::optional<Record> record = TakeRecord();
        ASSERT_TRUE(record) << "verb " << verb;
        ASSERT_GE(record->arguments.size(), 2u);
        EXPECT_EQ(record->arguments[0], kVerbs[verb - 1]);
        EXPECT_EQ(record->arguments[1], target_.wstring());
        EXPECT_EQ(std::vector<std::wstring>(record->arguments.begin() + 2, record->arguments.end()),
                  (std::vector<std::wstring>{L"-名", L"两 词"}));
        EXPECT_EQ(fs::path(record->folder), workFolder_);
        EXPECT_EQ(record->showMode, SW_SHOWMAXIMIZED);
    }
}

TEST_F(RunShellVerbTest, AVerbLeftOutOrUnknownIsTheFilesDefaultVerb)
{
    for (rt::ValueTriple verb : {rt::ValueTriple{}, rt::MakeInt(0), rt::MakeInt(6), rt::MakeText("open")}) {
        RunShellVerb({verb, Gbk(target_.wstring())});
        std::optional<Record> record = TakeRecord();
        ASSERT_TRUE(record) << "verb type " << std::hex << verb.type << " value " << verb.low;
        ASSERT_FALSE(record->arguments.empty());
        EXPECT_EQ(record->arguments[0], kDefaultVerb);
    }
}

TEST_F(RunShellVerbTest, LeftOutParametersAndFolderGiveNoneAndTheCurrentFolder)
{
    RunShellVerb({rt::MakeInt(4), Gbk(target_.wstring())});
    std::optional<Record> record = TakeRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->arguments, (std::vector<std::wstring>{L"open", target_.wstring()}));
    EXPECT_EQ(fs::path(record->folder), fs::current_path());
    EXPECT_EQ(record->showMode, SW_SHOWNORMAL);
}

TEST_F(RunShellVerbTest, WindowModesOneToSixAndNormalForAnythingElse)
{
    const std::pair<rt::ValueTriple, int> modes[] = {
        {rt::MakeInt(1), SW_HIDE},          {rt::MakeInt(2), SW_SHOWNORMAL},    {rt::MakeInt(3), SW_SHOWMINIMIZED},
        {rt::MakeInt(4), SW_SHOWMAXIMIZED}, {rt::MakeInt(5), SW_SHOWNA},        {rt::MakeInt(6), SW_MINIMIZE},
        {rt::MakeInt(0), SW_SHOWNORMAL},    {rt::MakeInt(7), SW_SHOWNORMAL},    {rt::MakeDouble(3.7), SW_SHOWMINIMIZED},
        {rt::ValueTriple{}, SW_SHOWNORMAL}, {rt::MakeText("3"), SW_SHOWNORMAL},
    };
    for (const auto& [mode, show] : modes) {
        RunShellVerb({rt::MakeInt(4), Gbk(target_.wstring()), {}, {}, mode});
        std::optional<Record> record = TakeRecord();
        ASSERT_TRUE(record) << "mode type " << std::hex << mode.type << " value " << mode.low;
        EXPECT_EQ(record->showMode, show) << "mode type " << std::hex << mode.type << " value " << mode.low;
    }
}

// Wine's file browser is a process of its own that inherits the caller's standard handles: with
// them pointing at the null device, it never holds the test's output pipe, however late it comes.
class StandardHandlesToNull {
public:
    StandardHandlesToNull()
        : null_(CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr))
    {
        for (int i = 0; i < 3; ++i) {
            saved_[i] = GetStdHandle(kWhich[i]);
            SetStdHandle(kWhich[i], null_.get());
        }
    }
    ~StandardHandlesToNull()
    {
        for (int i = 0; i < 3; ++i) {
            SetStdHandle(kWhich[i], saved_[i]);
        }
    }
    StandardHandlesToNull(const StandardHandlesToNull&) = delete;
    StandardHandlesToNull& operator=(const StandardHandlesToNull&) = delete;

private:
    static constexpr DWORD kWhich[3] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    rt::UniqueHandle null_;
    HANDLE saved_[3] = {};
};

TEST_F(RunShellVerbTest, AFolderWithTheVerbLeftOutOpensInAFolderWindow)
{
    constexpr DWORD kFolderWindowWaitMs = 30000;
    const fs::path folder = root_ / L"图片 输出";
    fs::create_directories(folder);
    {
        StandardHandlesToNull detached;
        RunShellVerb({{}, Gbk(folder.wstring())});
    }
    HWND window =
        automation::WaitFor(kFolderWindowWaitMs, [&] { return FindFolderWindow(folder.filename().wstring()); });
    ASSERT_NE(window, nullptr) << "no folder window titled with the folder's name";
    CloseFolderWindow(window);
}

}  // namespace
