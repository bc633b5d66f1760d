#include "scratch_folder.h"

#include <atomic>

#include "runtime/text_codec.h"
#include "runtime/win32/owned_handles.h"

namespace test {
namespace {

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = folder + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder()
{
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"核心命令测试" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                          std::to_wstring(counter++);
    RemoveTree(folder);
    CreateDirectoryW(folder.c_str(), nullptr);
    folder_ = rt::GbkFromWide(folder);
    if (!folder_.empty() && folder_.back() == '\\') folder_.pop_back();
}

ScratchFolder::~ScratchFolder() { RemoveTree(rt::WideFromGbk(folder_)); }

void WriteBytes(const std::string& gbkPath, const std::string& bytes)
{
    rt::UniqueHandle file(CreateFileW(rt::WideFromGbk(gbkPath).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::string ReadBytes(const std::string& gbkPath)
{
    rt::UniqueHandle file(CreateFileW(rt::WideFromGbk(gbkPath).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                      nullptr));
    if (!file) return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

bool Exists(const std::string& gbkPath)
{
    return GetFileAttributesW(rt::WideFromGbk(gbkPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace test
