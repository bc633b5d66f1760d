// Cuts every picture of the given folders at every length up to 4 KiB and at 1 % steps beyond,
// and runs each cut through every decoder and every conversion reader. Under ASan any fault ends
// the run; every result must also be well formed. Writes one line per picture to the digest file:
// its name, its number of cuts and a hash of every result and every decoded pixel, so that two
// runs with different heap fill can be compared (sweep_twice.sh): a decoder that reads memory it
// never wrote gives different pixels.
//   picture_truncation_sweep [--full] DIGEST-FILE FOLDER...
// Without --full, pictures larger than kReducedLargestPicture are left out and fewer lengths are
// cut (CutLengths).
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "pictures/conversion/source_reader.h"
#include "pictures/decoding/format_decoders.h"
#include "pictures/decoding/picture_decode.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::span<const uint8_t>;

constexpr size_t kEveryLengthUpTo = 4096;
constexpr size_t kReducedEveryLengthUpTo = 256;
constexpr size_t kReducedStride = 16;
constexpr size_t kReducedPercentStep = 5;
constexpr uint64_t kReducedLargestPicture = 64 * 1024;
const char* const kPictureEndings[] = {".jpg", ".jpeg", ".bmp", ".ico", ".cur",
                                       ".gif", ".pcx",  ".png", ".tif", ".tiff"};

// FNV-1a, 64 bits.
class Digest {
public:
    void add(const void* data, size_t size)
    {
        auto* p = static_cast<const uint8_t*>(data);
        for (size_t i = 0; i < size; ++i) {
            value_ = (value_ ^ p[i]) * 0x100000001b3ULL;
        }
    }
    template <typename T>
    void add(const T& value)
    {
        add(&value, sizeof value);
    }
    uint64_t value() const { return value_; }

private:
    uint64_t value_ = 0xcbf29ce484222325ULL;
};

int failures = 0;

void Fail(const std::string& what, const std::string& picture, size_t cut)
{
    std::fprintf(stderr, "%s cut at %zu: %s\n", picture.c_str(), cut, what.c_str());
    ++failures;
}

// The data block's size as its kind lays it out.
bool WellFormed(const pictures::Picture& p)
{
    using pictures::PictureKind;
    if (p.width < 1 || p.height < 1) {
        return false;
    }
    uint64_t pixels = uint64_t(p.width) * uint64_t(p.height);
    switch (p.kind) {
    case PictureKind::kJpeg:
    case PictureKind::kBmp:
        return p.data && p.dataSize == pixels * 3;
    case PictureKind::kIcon:
    case PictureKind::kCursor:
        return p.icon && !p.data;
    case PictureKind::kGif:
    case PictureKind::kPcx8:
        return p.data && p.dataSize >= 40 + 1024;
    case PictureKind::kPcxMono:
        return p.data && p.dataSize == (uint64_t(p.width) + 15) / 16 * 2 * uint64_t(p.height);
    case PictureKind::kNone:
        break;
    }
    return false;
}

void AddPicture(Digest& digest, const pictures::OwnedPicture& picture, const std::string& name, size_t cut)
{
    if (!picture) {
        digest.add(uint8_t{0});
        return;
    }
    if (!WellFormed(*picture)) {
        Fail("malformed picture of kind " + std::to_string(static_cast<int>(picture->kind)), name, cut);
    }
    digest.add(picture->kind);
    digest.add(picture->width);
    digest.add(picture->height);
    digest.add(picture->dataSize);
    if (picture->data) {
        digest.add(picture->data, picture->dataSize);
    }
}

void RunDecoders(Bytes cut, Digest& digest, const std::string& name)
{
    rt::MemoryStream jpeg(cut.data(), cut.size());
    AddPicture(digest, pictures::DecodeJpeg(jpeg), name, cut.size());
    rt::MemoryStream bmp(cut.data(), cut.size());
    AddPicture(digest, pictures::DecodeBmp(bmp), name, cut.size());
    rt::MemoryStream icon(cut.data(), cut.size());
    AddPicture(digest, pictures::DecodeIcon(icon), name, cut.size());
    AddPicture(digest, pictures::DecodeGif(cut), name, cut.size());
    AddPicture(digest, pictures::DecodePcx(cut), name, cut.size());
    AddPicture(digest, pictures::DecodePictureBytes(cut.data(), static_cast<std::ptrdiff_t>(cut.size())), name,
               cut.size());
}

void AddImage(Digest& digest, const pictures::ConversionImage& image)
{
    digest.add(image.width());
    digest.add(image.height());
    digest.add(image.bitsPerPixel());
    digest.add(image.paletteCount());
    digest.add(image.palette());
    for (uint32_t y = 0; y < image.height(); ++y) {
        digest.add(image.row(y), image.rowBytes());
    }
}

using ReaderFactory = std::unique_ptr<pictures::SourceReader> (*)();
constexpr ReaderFactory kReaders[] = {
    pictures::MakeJpegReader, pictures::MakeBmpReader, pictures::MakeTiffReader,
    pictures::MakePngReader,  pictures::MakePcxReader, pictures::MakePhotoCdReader,
};

void RunReaders(Bytes cut, Digest& digest, const std::string& name)
{
    for (ReaderFactory make : kReaders) {
        std::unique_ptr<pictures::SourceReader> reader = make();
        if (!reader->open(cut)) {
            digest.add(uint8_t{1});
            continue;
        }
        pictures::ConversionImage image;
        if (!reader->read(image)) {
            digest.add(uint8_t{2});
            continue;
        }
        if (!image.allocated() || image.width() < 1 || image.height() < 1) {
            Fail("malformed conversion picture", name, cut.size());
            continue;
        }
        AddImage(digest, image);
    }
}

// Full: every length up to 4 KiB, then 1 % steps. Reduced: every length up to 256 bytes (the
// headers), every 16th up to 4 KiB, then 5 % steps.
std::vector<size_t> CutLengths(size_t size, bool full)
{
    size_t everyLengthUpTo = full ? kEveryLengthUpTo : kReducedEveryLengthUpTo;
    size_t stride = full ? 1 : kReducedStride;
    size_t percentStep = full ? 1 : kReducedPercentStep;
    std::vector<size_t> cuts;
    for (size_t length = 1; length <= size && length <= kEveryLengthUpTo;
         length += length < everyLengthUpTo ? 1 : stride) {
        cuts.push_back(length);
    }
    for (size_t percent = percentStep; percent <= 100; percent += percentStep) {
        size_t length = size * percent / 100;
        if (length > kEveryLengthUpTo && length != cuts.back()) {
            cuts.push_back(length);
        }
    }
    if (cuts.empty() || cuts.back() != size) {
        cuts.push_back(size);
    }
    return cuts;
}

bool IsPicture(const fs::path& path)
{
    std::string ending = path.extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::tolower(c); });
    return std::find(std::begin(kPictureEndings), std::end(kPictureEndings), ending) != std::end(kPictureEndings);
}

std::vector<fs::path> Pictures(const std::vector<std::string>& folders, bool full)
{
    std::vector<fs::path> found;
    for (const std::string& folder : folders) {
        if (!fs::is_directory(folder)) {
            std::fprintf(stderr, "no folder %s: left out\n", folder.c_str());
            continue;
        }
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
            if (entry.is_regular_file() && IsPicture(entry.path()) &&
                (full || entry.file_size() <= kReducedLargestPicture)) {
                found.push_back(entry.path());
            }
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<uint8_t> ReadAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The conversion's temporary-file buffers in a folder of their own, in memory where Linux has it.
std::string PrivateTempFolder()
{
    std::string pattern = (fs::is_directory("/dev/shm") ? "/dev/shm" : "/tmp") + std::string("/sweep-XXXXXX");
    if (!mkdtemp(pattern.data())) {
        return {};
    }
    setenv("TMPDIR", pattern.c_str(), 1);
    return pattern;
}

}  // namespace

int main(int argc, char** argv)
{
    int first = 1;
    bool full = argc > 1 && std::strcmp(argv[1], "--full") == 0;
    first += full ? 1 : 0;
    if (argc < first + 2) {
        std::fprintf(stderr, "usage: picture_truncation_sweep [--full] DIGEST-FILE FOLDER...\n");
        return 2;
    }
    std::string temp = PrivateTempFolder();
    std::ofstream digests(argv[first]);
    std::vector<fs::path> pictures = Pictures({argv + first + 1, argv + argc}, full);
    auto start = std::chrono::steady_clock::now();
    uint64_t cases = 0;
    std::vector<uint64_t> seen;
    for (const fs::path& path : pictures) {
        std::vector<uint8_t> data = ReadAll(path);
        Digest content;
        content.add(data.data(), data.size());
        if (data.empty() || std::find(seen.begin(), seen.end(), content.value()) != seen.end()) {
            continue;  // the same picture in two folders is swept once
        }
        seen.push_back(content.value());
        std::vector<size_t> cuts = CutLengths(data.size(), full);
        Digest digest;
        for (size_t length : cuts) {
            Bytes cut(data.data(), length);
            RunDecoders(cut, digest, path.string());
            RunReaders(cut, digest, path.string());
        }
        cases += cuts.size();
        digests << path.string() << ' ' << cuts.size() << ' ' << std::hex << digest.value() << std::dec << '\n';
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%zu pictures, %llu cuts, each through 6 decoders and 6 readers: %llu cases in %.1f s\n", seen.size(),
                static_cast<unsigned long long>(cases), static_cast<unsigned long long>(cases * 12), seconds);
    if (!temp.empty()) {
        fs::remove_all(temp);
    }
    return failures == 0 ? 0 : 1;
}
