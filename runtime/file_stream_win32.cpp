// Files for the Windows build: GBK paths opened through the wide API.
#include <windows.h>

#include "runtime/byte_stream.h"
#include "runtime/text_codec.h"
#include "runtime/win32/owned_handles.h"

namespace rt {
namespace {

class Win32FileStream final : public ByteStream {
public:
    Win32FileStream(UniqueHandle file, uint64_t size) : file_(std::move(file)), size_(size) {}

    size_t read(void* destination, size_t size) override
    {
        auto* out = static_cast<char*>(destination);
        size_t total = 0;
        while (total < size) {
            DWORD chunk = static_cast<DWORD>(size - total > 0x40000000 ? 0x40000000 : size - total);
            DWORD got = 0;
            if (!ReadFile(file_.get(), out + total, chunk, &got, nullptr) || got == 0) {
                break;
            }
            total += got;
        }
        position_ += total;
        return total;
    }
    bool seek(uint64_t position) override
    {
        LARGE_INTEGER to;
        to.QuadPart = static_cast<LONGLONG>(position);
        if (position > size_ || !SetFilePointerEx(file_.get(), to, nullptr, FILE_BEGIN)) {
            return false;
        }
        position_ = position;
        return true;
    }
    uint64_t tell() const override { return position_; }
    uint64_t size() const override { return size_; }

private:
    UniqueHandle file_;
    uint64_t size_;
    uint64_t position_ = 0;
};

}  // namespace

std::unique_ptr<ByteStream> OpenFileStream(const std::string& gbkPath, FileSharing sharing)
{
    if (gbkPath.empty()) {
        return nullptr;
    }
    DWORD share = sharing == FileSharing::kDenyWrite ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
    UniqueHandle file(CreateFileW(WideFromGbk(gbkPath).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.get(), &size)) {
        return nullptr;
    }
    return std::make_unique<Win32FileStream>(std::move(file), static_cast<uint64_t>(size.QuadPart));
}

}  // namespace rt
