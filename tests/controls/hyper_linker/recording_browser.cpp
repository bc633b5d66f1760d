#include "tests/controls/hyper_linker/recording_browser.h"

#include <shellapi.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace link_test {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kPageClass[] = L"ZorviRecordingBrowserPage";
constexpr wchar_t kClasses[] = L"Software\\Classes\\";
constexpr wchar_t kRecordVariable[] = L"ZORVI_LINK_RECORD";
constexpr DWORD kPollMs = 20;

std::wstring CommandKey() { return std::wstring(kPageClass) + L"\\shell\\open\\command"; }

std::optional<std::wstring> DefaultValue(HKEY root, const std::wstring& subKey)
{
    wchar_t value[1024] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    if (RegGetValueW(root, subKey.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(value);
}

bool KeyExists(HKEY root, const std::wstring& subKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

bool SetDefaultValue(HKEY root, const std::wstring& subKey, const std::wstring& value)
{
    auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(root, subKey.c_str(), nullptr, REG_SZ, value.c_str(), bytes) == ERROR_SUCCESS;
}

fs::path TempFolder()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return fs::path(temp);
}

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

INT_PTR RefuseAll(const std::wstring&, int) { return SE_ERR_NOASSOC; }

bool CountedStart(const std::wstring& commandLine, int show)
{
    ++RefusingShell::starts;
    return rt::units::SystemLinkStarters().startCommand(commandLine, show);
}

}  // namespace

std::wstring RecorderPath()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return (fs::path(path).parent_path() / L"link_recorder.exe").wstring();
}

RecordingBrowser::RecordingBrowser(const std::wstring& command)
    : record_(TempFolder() / (L"zorvi-link-record-" + std::to_wstring(GetCurrentProcessId()) + L".txt"))
{
    std::error_code ignored;
    fs::remove(record_, ignored);
    SetEnvironmentVariableW(kRecordVariable, record_.wstring().c_str());
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        root_ = root;
        if (Register(command) && DefaultValue(HKEY_CLASSES_ROOT, L".htm") == kPageClass &&
            DefaultValue(HKEY_CLASSES_ROOT, CommandKey()) == command) {
            registered_ = true;
            return;
        }
        Unregister();
    }
}

RecordingBrowser::~RecordingBrowser()
{
    Unregister();
    SetEnvironmentVariableW(kRecordVariable, nullptr);
    std::error_code ignored;
    fs::remove(record_, ignored);
}

bool RecordingBrowser::Register(const std::wstring& command)
{
    const std::wstring pageKey = std::wstring(kClasses) + L".htm";
    pageKeyExisted_ = KeyExists(root_, pageKey);
    previousPageClass_ = DefaultValue(root_, pageKey);
    if (previousPageClass_ == kPageClass) {
        previousPageClass_.reset();  // left by a test run that ended before it could put it back
    }
    return SetDefaultValue(root_, kClasses + CommandKey(), command) && SetDefaultValue(root_, pageKey, kPageClass);
}

void RecordingBrowser::Unregister()
{
    const std::wstring pageKey = std::wstring(kClasses) + L".htm";
    if (previousPageClass_) {
        SetDefaultValue(root_, pageKey, *previousPageClass_);
    } else if (pageKeyExisted_) {
        RegDeleteKeyValueW(root_, pageKey.c_str(), nullptr);
    } else {
        RegDeleteKeyW(root_, pageKey.c_str());
    }
    previousPageClass_.reset();
    pageKeyExisted_ = false;
    RegDeleteTreeW(root_, (kClasses + std::wstring(kPageClass)).c_str());
}

std::optional<Start> RecordingBrowser::TakeStart(DWORD waitMs)
{
    const ULONGLONG deadline = GetTickCount64() + waitMs;
    while (!fs::exists(record_)) {
        if (GetTickCount64() >= deadline) {
            return std::nullopt;
        }
        Sleep(kPollMs);
    }
    std::optional<std::wstring> commandLine = ReadUtf16(record_);
    fs::remove(record_);
    if (!commandLine) {
        return std::nullopt;
    }
    int count = 0;
    wchar_t** parts = CommandLineToArgvW(commandLine->c_str(), &count);
    if (!parts || count < 1) {
        LocalFree(parts);
        return std::nullopt;
    }
    Start start{parts[0], std::vector<std::wstring>(parts + 1, parts + count)};
    LocalFree(parts);
    return start;
}

rt::units::LinkStarters RefusingShell::Starters()
{
    return {RefuseAll, rt::units::SystemLinkStarters().browserCommand, CountedStart};
}

}  // namespace link_test
