// The Windows build's files: GBK paths converted to wide texts and opened with the W functions.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "pictures/conversion/conversion_files.h"
#include "runtime/text_codec.h"
#include "runtime/win32/owned_handles.h"

namespace pictures {

bool IsExistingFile(const std::string& path)
{
    DWORD attributes = GetFileAttributesW(rt::WideFromGbk(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

CFile CreateNewFile(const std::string& path)
{
    rt::UniqueHandle handle(CreateFileW(rt::WideFromGbk(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) {
        return nullptr;
    }
    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle.get()), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        return nullptr;
    }
    // From here the C descriptor, and then the C file, own the handle.
    handle.release();
    std::FILE* file = _fdopen(fd, "wb");
    if (!file) {
        _close(fd);
    }
    return CFile(file);
}

bool ReplaceFileWith(const std::string& destination, const std::string& source)
{
    return MoveFileExW(rt::WideFromGbk(source).c_str(), rt::WideFromGbk(destination).c_str(),
                       MOVEFILE_REPLACE_EXISTING) != 0;
}

void RemoveFile(const std::string& path) { DeleteFileW(rt::WideFromGbk(path).c_str()); }

}  // namespace pictures
