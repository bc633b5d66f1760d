// The native build's temporary buffers: files in $TMPDIR (or /tmp) mapped with mmap. POSIX has no
// hidden attribute; the name and the exclusive creation are as on Windows.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "pictures/conversion/temp_file_buffer.h"

namespace pictures {
namespace {

std::string TempFolder()
{
    const char* folder = std::getenv("TMPDIR");
    std::string path = folder && *folder ? folder : "/tmp";
    if (path.back() != '/') {
        path += '/';
    }
    return path;
}

class PosixTempFileBuffer final : public TempFileBuffer {
public:
    PosixTempFileBuffer(std::string path, uint8_t* data, size_t size)
        : TempFileBuffer(data, size), path_(std::move(path))
    {
    }
    ~PosixTempFileBuffer() override
    {
        munmap(data(), size());
        unlink(path_.c_str());
    }

private:
    std::string path_;
};

// Opens the first free QMRCLASS<n>.tmp exclusively; -1 when none can be created.
int CreateFreeFile(const std::string& folder, std::string& path)
{
    for (unsigned n = 0; n < kTempFileNumberAttempts; ++n) {
        path = folder + TempFileName(n);
        int fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

std::unique_ptr<TempFileBuffer> TempFileBuffer::Create(uint64_t size)
{
    if (size == 0 || size > SIZE_MAX || size > static_cast<uint64_t>(INT64_MAX)) {
        return nullptr;
    }
    std::string path;
    int fd = CreateFreeFile(TempFolder(), path);
    if (fd < 0) {
        return nullptr;
    }
    void* view = MAP_FAILED;
    if (ftruncate(fd, static_cast<off_t>(size)) == 0) {
        view = mmap(nullptr, static_cast<size_t>(size), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    }
    // The mapping keeps the file's pages; the descriptor is no longer needed.
    close(fd);
    if (view == MAP_FAILED) {
        unlink(path.c_str());
        return nullptr;
    }
    return std::unique_ptr<TempFileBuffer>(
        new PosixTempFileBuffer(std::move(path), static_cast<uint8_t*>(view), static_cast<size_t>(size)));
}

}  // namespace pictures
