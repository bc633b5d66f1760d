// ConvertToJpeg on fuzzed files. Each target builds this harness for one reader: the input gets
// that format's signature (so mutations do not waste time on other readers) and is written to a
// file, converted, and the output deleted. The Photo CD target places the input at the base
// image's offset in a file of 1 MiB, which only the Photo CD reader accepts.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "pictures/conversion/convert_to_jpeg.h"

namespace {

#if defined(FUZZ_FORMAT_JPEG)
const std::string kSignature("\xFF\xD8", 2);
#elif defined(FUZZ_FORMAT_BMP)
const std::string kSignature("BM");
#elif defined(FUZZ_FORMAT_PNG)
const std::string kSignature("\x89PNG\r\n\x1A\n", 8);
#elif defined(FUZZ_FORMAT_PCX)
const std::string kSignature("\x0A", 1);
#else
const std::string kSignature;  // TIFF has two byte orders; Photo CD has none
#endif

#ifdef FUZZ_FORMAT_PHOTO_CD
constexpr size_t kPlacement = 0x30000;
constexpr size_t kSmallestFile = 1048576;
#else
constexpr size_t kPlacement = 0;
constexpr size_t kSmallestFile = 0;
#endif

const std::string& Folder()
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/fuzz_convert_XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) {
            std::abort();
        }
        return std::string(made) + "/";
    }();
    return folder;
}

std::vector<uint8_t> FileBytes(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> bytes(kPlacement);
    bytes.insert(bytes.end(), data, data + size);
    std::copy_n(kSignature.begin(), std::min(kSignature.size(), size), bytes.begin() + kPlacement);
    if (bytes.size() < kSmallestFile) {
        bytes.resize(kSmallestFile);
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string source = Folder() + "in";
    std::string destination = Folder() + "out.jpg";
    std::vector<uint8_t> bytes = FileBytes(data, size);
    std::FILE* file = std::fopen(source.c_str(), "wb");
    if (!file) {
        std::abort();
    }
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    bool grey = size > 0 && (data[size - 1] & 1);
    pictures::ConvertToJpeg(source.c_str(), destination.c_str(), grey, 90, true, 0);
    std::remove(destination.c_str());
    return 0;
}
