// Times the split's piece path on a 12-megapixel photograph-like JPEG (quality 90, made in memory):
// LoadPicture from the bytes, DrawPicture at natural size on a board of the picture's size, Copy of
// one 1000 x 750 cell to a second board and GetPictureData of that board, all through the core
// command table; and, in the same run, one plain libjpeg decode of the same bytes into a buffer.
// Prints the best of three of each and their ratio.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "commands/core/core_command_table.h"
#include "controls/board/board.h"
#include "runtime/unit_options/board_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/start_runtime.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/window_lifetime.h"
#include "tests/commands/command_call.h"
#include "tools/bench/photo_sample.h"
#include "tests/runtime/window/window_test_support.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

constexpr int kWidth = bench::kPhotoWidth;
constexpr int kHeight = bench::kPhotoHeight;
constexpr int kCellWidth = 1000;
constexpr int kCellHeight = 750;
constexpr int kRuns = 3;
constexpr uint32_t kWindow = 0x52000001;
constexpr uint32_t kPictureBoard = 0x16000003;
constexpr uint32_t kCellBoard = 0x16000004;

std::vector<uint8_t> PhotoJpeg()
{
    jpeg_compress_struct compress{};
    jpeg_error_mgr errors{};
    compress.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compress);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&compress, &buffer, &size);
    compress.image_width = kWidth;
    compress.image_height = kHeight;
    compress.input_components = 3;
    compress.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compress);
    jpeg_set_quality(&compress, 90, TRUE);
    jpeg_start_compress(&compress, TRUE);
    std::vector<uint8_t> row(kWidth * 3);
    uint32_t noise = 12345;
    while (compress.next_scanline < compress.image_height) {
        for (int x = 0; x < kWidth; ++x) {
            for (int c = 0; c < 3; ++c) {
                row[3 * x + c] = bench::PhotoSample(x, static_cast<int>(compress.next_scanline), c, noise);
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&compress, rows, 1);
    }
    jpeg_finish_compress(&compress);
    jpeg_destroy_compress(&compress);
    std::vector<uint8_t> jpeg(buffer, buffer + size);
    free(buffer);
    return jpeg;
}

bool PlainDecode(const std::vector<uint8_t>& jpeg)
{
    jpeg_decompress_struct decompress{};
    jpeg_error_mgr errors{};
    decompress.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&decompress);
    jpeg_mem_src(&decompress, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&decompress, TRUE);
    jpeg_start_decompress(&decompress);
    size_t stride = static_cast<size_t>(decompress.output_width) * decompress.output_components;
    std::vector<uint8_t> pixels(stride * decompress.output_height);
    while (decompress.output_scanline < decompress.output_height) {
        JSAMPROW rows[1] = {pixels.data() + stride * decompress.output_scanline};
        jpeg_read_scanlines(&decompress, rows, 1);
    }
    jpeg_finish_decompress(&decompress);
    jpeg_destroy_decompress(&decompress);
    return pixels.size() == static_cast<size_t>(kWidth) * kHeight * 3;
}

rt::UnitRecord BoardRecord(uint32_t id, int width, int height)
{
    rt::BoardOptions options;
    options.AutoRedraw = true;
    return window_test::Record(id, rt::kBoardKind, {0, 0, width, height}, 0, {}, rt::WriteOptions(options));
}

bool LoadBoards()
{
    window_test::StartWindowLayerForTests();
    rt::RegisterUnitKind(rt::units::BoardKind());
    rt::units::RegisterBoardMethods();
    rt::WindowRecord window;
    window.id = kWindow;
    window.units.push_back(window_test::DefaultWindowRecord(0x06000002, {20, 20, 300, 200}, rt::kUnitVisible, {}));
    window.units.push_back(BoardRecord(kPictureBoard, kWidth, kHeight));
    window.units.push_back(BoardRecord(kCellBoard, kCellWidth, kCellHeight));
    const rt::CodeBase none{nullptr, 0};
    return window_test::InstallTemplates({window}, none) && rt::LoadWindow(kWindow, nullptr, false, false);
}

test::CommandResult Call(rt::commands::CoreCommand command, std::initializer_list<rt::ValueTriple> args)
{
    return test::Call(rt::commands::CoreCommandRoutine(command), args);
}

// The seconds each step of the last piece took.
double stepSeconds[4];

bool PiecePath(const test::ByteSetArg& jpeg)
{
    auto mark = std::chrono::steady_clock::now();
    auto lap = [&mark](int step) {
        auto now = std::chrono::steady_clock::now();
        stepSeconds[step] = std::chrono::duration<double>(now - mark).count();
        mark = now;
    };
    rt::ValueTriple picture = rt::MakeInt(Call(rt::commands::CoreCommand::kLoadPicture, {jpeg.triple()}).integer());
    lap(0);
    rt::ValueTriple big = rt::MakeUnitRef(kWindow, kPictureBoard, rt::kBoardKind);
    rt::ValueTriple cell = rt::MakeUnitRef(kWindow, kCellBoard, rt::kBoardKind);
    Call(rt::commands::CoreCommand::kDrawPicture, {big, picture, rt::MakeInt(0), rt::MakeInt(0)});
    lap(1);
    Call(rt::commands::CoreCommand::kCopy,
         {big, rt::MakeInt(kCellWidth), rt::MakeInt(kCellHeight), rt::MakeInt(kCellWidth), rt::MakeInt(kCellHeight),
          cell, rt::MakeInt(0), rt::MakeInt(0), rt::MakeInt(1)});
    lap(2);
    size_t bytes = Call(rt::commands::CoreCommand::kGetPictureData, {cell}).bytes().size();
    lap(3);
    Call(rt::commands::CoreCommand::kUnloadPicture, {picture});
    return picture.low != 0 && bytes == 54 + static_cast<size_t>(kCellWidth) * 3 * kCellHeight;
}

template <typename Run>
double BestSeconds(Run run)
{
    double best = 1e9;
    for (int i = 0; i < kRuns; ++i) {
        auto start = std::chrono::steady_clock::now();
        if (!run()) {
            return -1;
        }
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main()
{
    if (!LoadBoards()) {
        std::printf("the boards could not be made\n");
        return 1;
    }
    std::vector<uint8_t> jpeg = PhotoJpeg();
    test::ByteSetArg bytes(jpeg);
    double piece = BestSeconds([&] { return PiecePath(bytes); });
    double decode = BestSeconds([&] { return PlainDecode(jpeg); });
    std::printf("picture: %d x %d JPEG, quality 90, %zu bytes; cell %d x %d; best of %d\n", kWidth, kHeight,
                jpeg.size(), kCellWidth, kCellHeight, kRuns);
    std::printf("piece path (LoadPicture, DrawPicture, Copy, GetPictureData): %.3f s\n", piece);
    std::printf("  of the last run: LoadPicture %.3f, DrawPicture %.3f, Copy %.3f, GetPictureData %.3f s\n",
                stepSeconds[0], stepSeconds[1], stepSeconds[2], stepSeconds[3]);
    std::printf("plain libjpeg decode:                                       %.3f s\n", decode);
    std::printf("ratio piece / decode:                                       %.2f\n", piece / decode);
    rt::DestroyAllWindows();
    return piece < 0 || decode < 0 ? 1 : 0;
}
