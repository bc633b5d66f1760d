// The native build's files: paths are handed to the C library and the kernel as they are.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "pictures/conversion/conversion_files.h"

namespace pictures {

bool IsExistingFile(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

CFile CreateNewFile(const std::string& path)
{
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* file = fdopen(fd, "wb");
    if (!file) {
        close(fd);
    }
    return CFile(file);
}

bool ReplaceFileWith(const std::string& destination, const std::string& source)
{
    return std::rename(source.c_str(), destination.c_str()) == 0;
}

void RemoveFile(const std::string& path) { std::remove(path.c_str()); }

}  // namespace pictures
