// Times, on a 12-megapixel photograph-like picture, our JPEG decode (DecodePictureFile) against
// djpeg, and our ConvertToJpeg of the picture as a 24-bit BMP at quality 100 with optimised
// Huffman tables against cjpeg with the same settings on the same file. Prints the times (best of
// several runs) and their ratios.
//   picture_bench [CJPEG-COMMAND [DJPEG-COMMAND [RUNS]]]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "pictures/conversion/convert_to_jpeg.h"
#include "pictures/decoding/picture_decode.h"
#include "tools/bench/photo_sample.h"

namespace {

constexpr int kWidth = bench::kPhotoWidth;
constexpr int kHeight = bench::kPhotoHeight;

void WriteBmp(const std::string& path)
{
    const uint32_t rowBytes = kWidth * 3;
    const uint32_t dataBytes = rowBytes * kHeight;
    uint8_t header[54] = {'B', 'M'};
    auto put = [&](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            header[at + i] = static_cast<uint8_t>(v >> (8 * i));
        }
    };
    put(2, 54 + dataBytes);
    put(10, 54);
    put(14, 40);
    put(18, kWidth);
    put(22, kHeight);
    header[26] = 1;
    header[28] = 24;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(header, 1, sizeof header, file);
    std::vector<uint8_t> row(rowBytes);
    uint32_t noise = 12345;
    for (int i = 0; i < kHeight; ++i) {
        int y = kHeight - 1 - i;
        for (int x = 0; x < kWidth; ++x) {
            for (int c = 0; c < 3; ++c) {
                row[3 * x + 2 - c] = bench::PhotoSample(x, y, c, noise);
            }
        }
        std::fwrite(row.data(), 1, row.size(), file);
    }
    std::fclose(file);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool RunCommand(std::string command)
{
#ifdef _WIN32
    // cmd /c drops the first and last quote of its command line.
    command = "\"" + command + "\"";
#endif
    return std::system(command.c_str()) == 0;
}

template <typename Run>
double BestSeconds(int runs, Run run)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        if (!run()) {
            return -1;
        }
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string cjpeg = argc > 1 ? argv[1] : "cjpeg";
    std::string djpeg = argc > 2 ? argv[2] : "djpeg";
    int runs = argc > 3 ? std::atoi(argv[3]) : 5;
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "zorvi-convert-bench";
    std::filesystem::create_directories(folder);
    std::string source = (folder / "photo.bmp").string();
    std::string ours = (folder / "ours.jpg").string();
    std::string theirs = (folder / "cjpeg.jpg").string();
    WriteBmp(source);

    double oursSeconds = BestSeconds(
        runs, [&] { return pictures::ConvertToJpeg(source.c_str(), ours.c_str(), false, 100, true, 0) == 1; });
    std::string command = Quoted(cjpeg) + " -quality 100 -optimize -outfile " + Quoted(theirs) + " " + Quoted(source);
    double theirSeconds = BestSeconds(runs, [&] { return RunCommand(command); });

    double decodeSeconds = BestSeconds(runs, [&] { return static_cast<bool>(pictures::DecodePictureFile(ours)); });
    std::string decoded = (folder / "djpeg.bmp").string();
    std::string djpegCommand = Quoted(djpeg) + " -bmp -outfile " + Quoted(decoded) + " " + Quoted(ours);
    double djpegSeconds = BestSeconds(runs, [&] { return RunCommand(djpegCommand); });

    std::printf("picture: %d x %d, 24-bit BMP, quality 100, optimised Huffman, best of %d\n", kWidth, kHeight, runs);
    std::printf("ConvertToJpeg: %.3f s (%llu bytes)\n", oursSeconds,
                static_cast<unsigned long long>(std::filesystem::file_size(ours)));
    if (theirSeconds < 0) {
        std::printf("cjpeg: could not run %s\n", command.c_str());
    } else {
        std::printf("cjpeg:         %.3f s (%llu bytes)\n", theirSeconds,
                    static_cast<unsigned long long>(std::filesystem::file_size(theirs)));
        std::printf("ratio:         %.2f\n", oursSeconds / theirSeconds);
    }
    std::printf("JPEG decode of that %llu-byte file:\n",
                static_cast<unsigned long long>(std::filesystem::file_size(ours)));
    std::printf("DecodePictureFile: %.3f s\n", decodeSeconds);
    if (djpegSeconds < 0) {
        std::printf("djpeg: could not run %s\n", djpegCommand.c_str());
    } else {
        std::printf("djpeg -bmp:        %.3f s\n", djpegSeconds);
        std::printf("ratio:             %.2f\n", decodeSeconds / djpegSeconds);
    }
    std::filesystem::remove_all(folder);
    return oursSeconds < 0 ? 1 : 0;
}
