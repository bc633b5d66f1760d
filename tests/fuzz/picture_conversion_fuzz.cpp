// The conversion's readers on fuzzed bytes, in memory. Each target builds this harness for one
// reader: the input gets that format's signature (so mutations do not waste time on other
// readers) and is offered to the readers in their order. The Photo CD target places the input at
// the base image's offset in a source of 1 MiB, which only the Photo CD reader accepts. The
// pictures' temporary-file buffers go to /dev/shm, so nothing touches the disk.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "pictures/conversion/read_source.h"

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
constexpr size_t kSmallestSource = 1048576;
#else
constexpr size_t kPlacement = 0;
constexpr size_t kSmallestSource = 0;
#endif

std::vector<uint8_t> SourceBytes(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> bytes(kPlacement);
    bytes.insert(bytes.end(), data, data + size);
    std::copy_n(kSignature.begin(), std::min(kSignature.size(), size), bytes.begin() + kPlacement);
    if (bytes.size() < kSmallestSource) {
        bytes.resize(kSmallestSource);
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("TMPDIR", "/dev/shm", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> source = SourceBytes(data, size);
    pictures::ConversionImage image;
    pictures::ReadSource(source, image);
    return 0;
}
