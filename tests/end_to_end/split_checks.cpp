#include "tests/end_to_end/split_checks.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <iostream>

#include "tools/splitter_driver/driver_error.h"
#include "tools/splitter_driver/program_texts.h"
#include "tools/splitter_driver/splitter.h"

namespace end_to_end {
namespace {

namespace fs = std::filesystem;

std::string Gbk(const std::wstring& text)
{
    std::string bytes(text.size() * 2 + 1, '\0');
    bytes.resize(
        static_cast<size_t>(WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                                                static_cast<int>(bytes.size()), nullptr, nullptr)));
    return bytes;
}

std::wstring PieceName(const std::wstring& saveName, int n) { return saveName + L"-" + std::to_wstring(n) + L".jpg"; }

int CeilingCount(int length, int step) { return (length + step - 1) / step; }

struct Difference {
    double mean = 0;
    int largest = 0;
};

// Within this of the picture's edge, a piece that reaches past it holds colour samples that JPEG
// shares between picture and board (one per 2 × 2 pixels, smoothed over their neighbours): a
// yellow corner next to the grey board came back 82 levels off. Only the mean counts there; the
// picture's last pixels are checked in full by pieces that end at its edge (the default picture's).
constexpr int kEdgeBand = 2;

Difference Compare(const RgbPicture& piece, const RgbPicture& source, int left, int top)
{
    const COLORREF face = ButtonFace();
    const uint8_t background[3] = {GetRValue(face), GetGValue(face), GetBValue(face)};
    const bool pastRight = left + piece.width > source.width;
    const bool pastBottom = top + piece.height > source.height;
    uint64_t total = 0;
    Difference difference;
    for (int y = 0; y < piece.height; ++y) {
        for (int x = 0; x < piece.width; ++x) {
            const int sx = left + x;
            const int sy = top + y;
            const uint8_t* expected = sx < source.width && sy < source.height ? source.at(sx, sy) : background;
            const bool atEdge = (pastRight && std::abs(sx - source.width) <= kEdgeBand) ||
                                (pastBottom && std::abs(sy - source.height) <= kEdgeBand);
            for (int c = 0; c < 3; ++c) {
                const int d = std::abs(piece.at(x, y)[c] - expected[c]);
                total += static_cast<uint64_t>(d);
                if (!atEdge) {
                    difference.largest = std::max(difference.largest, d);
                }
            }
        }
    }
    difference.mean = static_cast<double>(total) / (static_cast<double>(piece.rgb.size()) + 1e-9);
    return difference;
}

}  // namespace

Grid CountGrid(const RgbPicture& source, int rows, int columns)
{
    const int cellWidth = source.width / columns;
    const int cellHeight = source.height / rows;
    return {rows, columns, cellWidth, cellHeight, cellWidth, cellHeight};
}

Grid SizeGrid(const RgbPicture& source, int pieceWidth, int pieceHeight)
{
    return {CeilingCount(source.height, pieceHeight),
            CeilingCount(source.width, pieceWidth),
            pieceWidth,
            pieceHeight,
            pieceWidth,
            pieceHeight};
}

std::string ExpectedPage(const std::wstring& saveName, const Grid& grid)
{
    std::string page =
        "<html>\r\n<head>\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
        "<title>" +
        Gbk(L"Zorvi图片分割器生成网页") +
        "</title>\r\n"
        "</head>\r\n<body>\r\n\r\n"
        "<table width=\"106\" height=\"106\" cellpadding=\"0\" cellspacing=\"1\" id=\"table1\">\r\n";
    int n = 0;
    for (int row = 0; row < grid.rows; ++row) {
        page += "<tr>\r\n";
        for (int column = 0; column < grid.columns; ++column) {
            page += "<td><img border=\"0\" src=\"" + Gbk(PieceName(saveName, ++n)) + "\"></td>\r\n";
        }
        page += "</tr>\r\n";
    }
    return page + "</table>\r\n\r\n</body>\r\n</html>";
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<std::wstring> FolderListing(const fs::path& folder)
{
    std::vector<std::wstring> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().wstring());
    }
    std::sort(names.begin(), names.end());
    return names;
}

::testing::AssertionResult PiecesAndPageAre(const std::wstring& saveName, const Grid& grid, const RgbPicture& source,
                                            Tolerance tolerance)
{
    Difference worst;
    int n = 0;
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            const RgbPicture piece = DecodeJpegFile(PieceName(saveName, ++n));
            if (piece.width != grid.pieceWidth || piece.height != grid.pieceHeight) {
                return ::testing::AssertionFailure() << "piece " << n << " is " << piece.width << "x" << piece.height
                                                     << " instead of " << grid.pieceWidth << "x" << grid.pieceHeight;
            }
            const Difference difference = Compare(piece, source, grid.stepX * column, grid.stepY * row);
            if (difference.mean > tolerance.mean || difference.largest > tolerance.largest) {
                return ::testing::AssertionFailure()
                       << "piece " << n << " differs from its rectangle by " << difference.mean << " on average and "
                       << difference.largest << " at most";
            }
            worst.mean = std::max(worst.mean, difference.mean);
            worst.largest = std::max(worst.largest, difference.largest);
        }
    }
    if (ReadAll(fs::path(splitter::FolderOf(saveName)) / splitter::texts::kPage) != ExpectedPage(saveName, grid)) {
        return ::testing::AssertionFailure() << "the page differs from the one for " << n << " pieces";
    }
    std::cout << n << " pieces: mean difference at most " << worst.mean << ", largest " << worst.largest << "\n";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SplitOutputIs(const std::wstring& saveName, const Grid& grid, const RgbPicture& source,
                                         Tolerance tolerance)
{
    const fs::path folder = splitter::FolderOf(saveName);
    const std::wstring base = fs::path(saveName).filename().wstring();
    std::vector<std::wstring> expectedNames{splitter::texts::kPage};
    for (int n = 1; n <= grid.rows * grid.columns; ++n) {
        expectedNames.push_back(base + L"-" + std::to_wstring(n) + L".jpg");
    }
    std::sort(expectedNames.begin(), expectedNames.end());
    if (FolderListing(folder) != expectedNames) {
        return ::testing::AssertionFailure()
               << FolderListing(folder).size() << " files in " << splitter::Utf8(folder.wstring()) << " instead of the "
               << grid.rows * grid.columns << " pieces and the page";
    }
    return PiecesAndPageAre(saveName, grid, source, tolerance);
}

}  // namespace end_to_end
