#include "pictures/conversion/convert_to_jpeg.h"

#include <filesystem>
#include <thread>

#include "test_support.h"

#ifdef _WIN32
#include "runtime/text_codec.h"
#else
#include <signal.h>
#include <sys/resource.h>
#endif

using namespace conversion_test;
using pictures::ConvertToJpeg;

namespace {

// Quality 100 leaves only rounding and chroma subsampling on a smooth picture.
constexpr int kQuality100Tolerance = 12;

class ConvertToJpegTest : public ScratchFolderTest {
protected:
    int convert(const std::string& source, const std::string& destination, bool grey = false)
    {
        return ConvertToJpeg(source.c_str(), destination.c_str(), grey, 100, true, 0);
    }
    size_t filesInFolder() const
    {
        auto entries = std::filesystem::directory_iterator(folder_);
        return static_cast<size_t>(std::distance(begin(entries), end(entries)));
    }
};

TEST_F(ConvertToJpegTest, BmpConvertedInPlaceIsReplacedByTheJpeg)
{
    RgbPicture picture = GradientPicture(41, 30);
    WriteBytes(path("piece-1.bmp"), BmpFile(picture));
    ASSERT_EQ(convert(path("piece-1.bmp"), path("piece-1.bmp")), 1);
    EXPECT_LE(LargestDifference(DecodeJpeg(path("piece-1.bmp")), picture), kQuality100Tolerance);
    EXPECT_EQ(filesInFolder(), 1u) << "no temporary or partial file is left";
}

TEST_F(ConvertToJpegTest, TopDownBmpConvertsUpright)
{
    RgbPicture picture = GradientPicture(16, 24);
    WriteBytes(path("top-down.bmp"), BmpFile(picture, true));
    ASSERT_EQ(convert(path("top-down.bmp"), path("out.jpg")), 1);
    EXPECT_LE(LargestDifference(DecodeJpeg(path("out.jpg")), picture), kQuality100Tolerance);
}

TEST_F(ConvertToJpegTest, BadArgumentsTouchNoFile)
{
    WriteBytes(path("in.bmp"), BmpFile(GradientPicture(8, 8)));
    WriteBytes(path("out.jpg"), {'o', 'l', 'd'});
    struct Case {
        const char* source;
        const char* destination;
        int quality;
        int smoothing;
    };
    std::string in = path("in.bmp");
    std::string out = path("out.jpg");
    const Case cases[] = {
        {in.c_str(), out.c_str(), 0, 0},     {in.c_str(), out.c_str(), 101, 0}, {in.c_str(), out.c_str(), 100, -1},
        {in.c_str(), out.c_str(), 100, 101}, {nullptr, out.c_str(), 100, 0},    {in.c_str(), "", 100, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ConvertToJpeg(c.source, c.destination, false, c.quality, true, c.smoothing), -7)
            << "quality " << c.quality << ", smoothing " << c.smoothing;
    }
    EXPECT_EQ(ReadBytes(out), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(filesInFolder(), 2u);
}

TEST_F(ConvertToJpegTest, MissingSourceLeavesTheDestination)
{
    WriteBytes(path("out.jpg"), {'o', 'l', 'd'});
    std::filesystem::create_directory(path("folder.bmp"));
    EXPECT_EQ(convert(path("nothing.bmp"), path("out.jpg")), -1);
    EXPECT_EQ(convert(path("folder.bmp"), path("out.jpg")), -1);
    EXPECT_EQ(ReadBytes(path("out.jpg")), (Bytes{'o', 'l', 'd'}));
}

TEST_F(ConvertToJpegTest, FilesNoReaderTakesBelowOneMebibyteAreRefused)
{
    Bytes gif{'G', 'I', 'F', '8', '9', 'a'};
    gif.resize(200000, 0x11);
    WriteBytes(path("small.gif"), gif);
    WriteBytes(path("8-bit.bmp"), BmpFileOfDepth(8, 20, 20));
    WriteBytes(path("32-bit.bmp"), BmpFileOfDepth(32, 20, 20));
    WriteCmykJpeg(path("cmyk.jpg"), 16, 16);
    WriteBytes(path("one-wide.pcx"), PcxFile(GradientPicture(1, 5), 3));
    WriteBytes(path("one-high.pcx"), PcxFile(GradientPicture(5, 1), 3));
    for (const char* name : {"small.gif", "8-bit.bmp", "32-bit.bmp", "cmyk.jpg", "one-wide.pcx", "one-high.pcx"}) {
        EXPECT_EQ(convert(path(name), path("out.jpg")), -3) << name;
    }
    EXPECT_FALSE(FileExists(path("out.jpg")));
}

TEST_F(ConvertToJpegTest, LargeFilesNoOtherReaderTakesAreReadAsPhotoCd)
{
    Bytes gif{'G', 'I', 'F', '8', '9', 'a'};
    gif.resize(1048576, 0x80);
    WriteBytes(path("large.gif"), gif);
    WriteBytes(path("8-bit.bmp"), BmpFileOfDepth(8, 1024, 1024, 1048576));
    for (const char* name : {"large.gif", "8-bit.bmp"}) {
        ASSERT_EQ(convert(path(name), path("out.jpg")), 1) << name;
        DecodedJpeg decoded = DecodeJpeg(path("out.jpg"));
        EXPECT_EQ(decoded.width, 768u);
        EXPECT_EQ(decoded.height, 512u);
    }
}

TEST_F(ConvertToJpegTest, FailedReadsLeaveNoTemporaryFile)
{
    Bytes bmp = BmpFile(GradientPicture(64, 64));
    bmp.resize(bmp.size() - 100);
    Bytes pcx = PcxFile(GradientPicture(64, 64), 3);
    pcx.resize(pcx.size() / 2);
    WriteBytes(path("short.bmp"), bmp);
    WriteBytes(path("short.pcx"), pcx);
    EXPECT_EQ(convert(path("short.bmp"), path("out.jpg")), -3);
    EXPECT_EQ(convert(path("short.pcx"), path("out.jpg")), -3);
    EXPECT_TRUE(tempFiles().empty());
}

TEST_F(ConvertToJpegTest, FailedWriteLeavesTheDestinationAsItWas)
{
    WriteBytes(path("in.bmp"), BmpFile(GradientPicture(8, 8)));
    std::filesystem::create_directory(path("folder.jpg"));
    EXPECT_EQ(convert(path("in.bmp"), path("folder.jpg")), -4);
    EXPECT_EQ(convert(path("in.bmp"), path("no-such-folder/out.jpg")), -4);
    // A name the new file cannot take makes the in-place write fail: the source stays whole.
    Bytes source = ReadBytes(path("in.bmp"));
    std::filesystem::create_directory(path("in.bmp.0.part"));
    EXPECT_EQ(convert(path("in.bmp"), path("in.bmp")), -4);
    EXPECT_EQ(ReadBytes(path("in.bmp")), source);
    EXPECT_TRUE(tempFiles().empty());
}

#ifndef _WIN32
// The file size limit stops the JPEG half-way, after the picture buffer was made: random grey
// levels at quality 100 take more bytes as JPEG than as pixels.
TEST_F(ConvertToJpegTest, WriteFailingHalfWayKeepsTheSourceOfAnInPlaceConversion)
{
    RgbPicture noise = GradientPicture(160, 160);
    uint32_t state = 1;
    for (uint8_t& sample : noise.rgb) {
        state = state * 1103515245 + 12345;
        sample = static_cast<uint8_t>(state >> 24);
    }
    WritePng(path("noise.png"), noise, 0);
    ASSERT_EQ(ConvertToJpeg(path("noise.png").c_str(), path("probe.jpg").c_str(), true, 100, false, 0), 1);
    size_t pixelBytes = size_t{noise.width} * noise.height;
    ASSERT_GT(ReadBytes(path("probe.jpg")).size(), pixelBytes + 8192);
    Bytes source = ReadBytes(path("noise.png"));

    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = pixelBytes + 4096;
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    int result = ConvertToJpeg(path("noise.png").c_str(), path("noise.png").c_str(), true, 100, false, 0);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(result, -4);
    EXPECT_EQ(ReadBytes(path("noise.png")), source);
    EXPECT_EQ(filesInFolder(), 2u);
}
#endif

TEST_F(ConvertToJpegTest, CommandReadsItsArgumentTriples)
{
    WriteBytes(path("in.bmp"), BmpFile(GradientPicture(8, 8)));
    std::string in = path("in.bmp");
    std::string out = path("out.jpg");
    rt::ValueTriple args[] = {rt::MakeText(in.c_str()), rt::MakeText(out.c_str()), rt::MakeLogical(true),
                              rt::MakeInt(90),          rt::MakeLogical(true),     rt::MakeInt(0)};
    rt::ValueTriple result;
    pictures::ConvertToJpegCommand(&result, 6, args);
    EXPECT_EQ(result.type, rt::kInt);
    EXPECT_EQ(static_cast<int32_t>(result.low), 1);
    EXPECT_EQ(DecodeJpeg(out).components, 1);

    rt::ValueTriple shortResult;
    pictures::ConvertToJpegCommand(&shortResult, 3, args);
    EXPECT_EQ(static_cast<int32_t>(shortResult.low), -7) << "quality and smoothing omitted";
}

// Each slot reads only its own type: what the application hands over in the wrong type fails the
// call through its result instead of being read as something else.
TEST_F(ConvertToJpegTest, CommandChecksTheTypesOfItsArguments)
{
    WriteBytes(path("in.bmp"), BmpFile(GradientPicture(8, 8)));
    std::string in = path("in.bmp");
    std::string out = path("out.jpg");
    auto call = [&](rt::ValueTriple source, rt::ValueTriple destination, rt::ValueTriple grey,
                    rt::ValueTriple quality) {
        rt::ValueTriple args[] = {source, destination, grey, quality, rt::MakeLogical(true), rt::MakeInt(0)};
        rt::ValueTriple result;
        pictures::ConvertToJpegCommand(&result, 6, args);
        EXPECT_EQ(result.type, rt::kInt);
        return static_cast<int32_t>(result.low);
    };
    rt::ValueTriple source = rt::MakeText(in.c_str());
    rt::ValueTriple destination = rt::MakeText(out.c_str());
    rt::ValueTriple colour = rt::MakeLogical(false);

    EXPECT_EQ(call(source, destination, colour, rt::MakeDouble(99.9)), 1) << "a real quality is truncated";
    EXPECT_EQ(call(source, destination, colour, rt::MakeFloat(100.5f)), 1);
    EXPECT_EQ(call(source, destination, colour, rt::MakeDouble(0.9)), -7) << "0.9 truncates to quality 0";
    EXPECT_EQ(call(source, destination, colour, rt::MakeDouble(100.0 + 0x100000000LL)), -7);
    EXPECT_EQ(call(source, destination, colour, rt::MakeText("90")), -7) << "a text is no quality";

    // A number whose words would be an address of a text is a missing text, never read as one.
    rt::ValueTriple numberAtTextAddress = rt::MakePointerValue(in.c_str(), rt::kInt);
    EXPECT_EQ(call(numberAtTextAddress, destination, colour, rt::MakeInt(90)), -7);
    EXPECT_EQ(call(source, rt::MakePointerValue(out.c_str(), rt::kLong), colour, rt::MakeInt(90)), -7);
    EXPECT_EQ(call(rt::MakeInt(0x1234), destination, colour, rt::MakeInt(90)), -7);
    EXPECT_EQ(call(rt::MakePointerValue(in.c_str(), rt::kByteSet), destination, colour, rt::MakeInt(90)), -7);

    ASSERT_EQ(call(source, destination, rt::MakeInt(1), rt::MakeInt(90)), 1);
    EXPECT_EQ(DecodeJpeg(out).components, 3) << "grey takes only a logical";
    ASSERT_EQ(call(source, destination, rt::MakeLogical(true), rt::MakeInt(90)), 1);
    EXPECT_EQ(DecodeJpeg(out).components, 1);
}

// Every conversion has buffers of its own even when they are made at the same moment.
TEST_F(ConvertToJpegTest, ConcurrentConversionsKeepTheirPicturesApart)
{
    constexpr int kThreads = 4;
    std::vector<RgbPicture> pictures;
    for (int t = 0; t < kThreads; ++t) {
        pictures.push_back(GradientPicture(200 + 16 * t, 120));
        WriteBytes(path("in" + std::to_string(t) + ".bmp"), BmpFile(pictures.back(), t % 2 == 1));
    }
    std::vector<int> differences(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            std::string name = path("in" + std::to_string(t) + ".bmp");
            for (int round = 0; round < 5; ++round) {
                std::string out = path("out" + std::to_string(t) + ".jpg");
                int result = convert(name, out);
                int difference = LargestDifference(DecodeJpeg(out), pictures[t]);
                differences[t] = std::max(differences[t], result == 1 ? difference : 1000);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_LE(differences[t], kQuality100Tolerance) << "conversion " << t;
    }
    EXPECT_TRUE(tempFiles().empty());
}

TEST_F(ConvertToJpegTest, ChineseFileNames)
{
    RgbPicture picture = GradientPicture(24, 16);
    WriteBytes(path("图片一.bmp"), BmpFile(picture));
    WritePng(path("png.png"), picture, 2);
    WriteBytes(path("图片二.png"), ReadBytes(path("png.png")));
    WriteTiff(path("tiff.tif"), picture);
    WriteBytes(path("图片三.tif"), ReadBytes(path("tiff.tif")));
    for (const char* name : {"图片一.bmp", "图片二.png", "图片三.tif"}) {
        ASSERT_EQ(convert(path(name), path("输出图片.jpg")), 1) << name;
        EXPECT_LE(LargestDifference(DecodeJpeg(path("输出图片.jpg")), picture), kQuality100Tolerance) << name;
    }
#ifdef _WIN32
    // The names Windows shows are the Chinese ones, not bytes read in another code page.
    std::filesystem::path folder(rt::WideFromGbk(folder_));
    EXPECT_TRUE(std::filesystem::exists(folder / L"输出图片.jpg"));
    EXPECT_TRUE(std::filesystem::exists(folder / L"图片一.bmp"));
#endif
}

}  // namespace
