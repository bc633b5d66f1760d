// Files for the native build: the C library's, with paths taken as they are.
#include <cstdio>

#include "runtime/byte_stream.h"

namespace rt {
namespace {

class CFileStream final : public ByteStream {
public:
    explicit CFileStream(std::FILE* file) : file_(file)
    {
        std::fseek(file_, 0, SEEK_END);
        size_ = static_cast<uint64_t>(std::ftell(file_));
        std::fseek(file_, 0, SEEK_SET);
    }
    ~CFileStream() override { std::fclose(file_); }
    size_t read(void* destination, size_t size) override { return std::fread(destination, 1, size, file_); }
    bool seek(uint64_t position) override
    {
        return position <= size_ && std::fseek(file_, static_cast<long>(position), SEEK_SET) == 0;
    }
    uint64_t tell() const override { return static_cast<uint64_t>(std::ftell(file_)); }
    uint64_t size() const override { return size_; }

private:
    std::FILE* file_;
    uint64_t size_ = 0;
};

}  // namespace

std::unique_ptr<ByteStream> OpenFileStream(const std::string& gbkPath, FileSharing)
{
    std::FILE* file = std::fopen(gbkPath.c_str(), "rb");
    if (!file) {
        return nullptr;
    }
    return std::make_unique<CFileStream>(file);
}

}  // namespace rt
