// The Windows build's temporary buffers: hidden files in the folder GetTempPathW names, mapped
// with CreateFileMappingW and MapViewOfFile.
#include <windows.h>

#include "pictures/conversion/temp_file_buffer.h"
#include "runtime/win32/owned_handles.h"

namespace pictures {
namespace {

std::wstring TempFolder()
{
    wchar_t buffer[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    return std::wstring(buffer, length);
}

class Win32TempFileBuffer final : public TempFileBuffer {
public:
    Win32TempFileBuffer(std::wstring path, uint8_t* view, size_t size)
        : TempFileBuffer(view, size), path_(std::move(path))
    {
    }
    ~Win32TempFileBuffer() override
    {
        UnmapViewOfFile(data());
        DeleteFileW(path_.c_str());
    }

private:
    std::wstring path_;
};

// Creates the first free QMRCLASS<n>.tmp exclusively. A name that is taken answers "exists" or,
// while another process still deletes it, "access denied": both move on to the next number.
HANDLE CreateFreeFile(const std::wstring& folder, std::wstring& path)
{
    for (unsigned n = 0; n < kTempFileNumberAttempts; ++n) {
        std::string name = TempFileName(n);
        path = folder + std::wstring(name.begin(), name.end());
        HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY, nullptr);
        DWORD error = GetLastError();
        if (file != INVALID_HANDLE_VALUE || (error != ERROR_FILE_EXISTS && error != ERROR_ACCESS_DENIED)) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

uint8_t* MapFile(HANDLE file, uint64_t size)
{
    rt::UniqueHandle mapping(CreateFileMappingW(file, nullptr, PAGE_READWRITE, static_cast<DWORD>(size >> 32),
                                                static_cast<DWORD>(size), nullptr));
    if (!mapping) {
        return nullptr;
    }
    // The view keeps the mapping alive after its handle is closed.
    return static_cast<uint8_t*>(MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, static_cast<SIZE_T>(size)));
}

}  // namespace

std::unique_ptr<TempFileBuffer> TempFileBuffer::Create(uint64_t size)
{
    std::wstring folder = TempFolder();
    if (size == 0 || size > SIZE_MAX || folder.empty()) {
        return nullptr;
    }
    std::wstring path;
    uint8_t* view = nullptr;
    {
        rt::UniqueHandle file(CreateFreeFile(folder, path));
        if (!file) {
            return nullptr;
        }
        view = MapFile(file.get(), size);
    }
    if (!view) {
        DeleteFileW(path.c_str());
        return nullptr;
    }
    return std::unique_ptr<TempFileBuffer>(new Win32TempFileBuffer(std::move(path), view, static_cast<size_t>(size)));
}

}  // namespace pictures
