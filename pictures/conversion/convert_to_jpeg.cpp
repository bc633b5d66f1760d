#include "pictures/conversion/convert_to_jpeg.h"

#include "pictures/conversion/conversion_files.h"
#include "pictures/conversion/jpeg_writer.h"
#include "pictures/conversion/read_source.h"

namespace pictures {
namespace {

bool IsEmptyText(const char* text) { return !text || !*text; }

bool ValidArguments(const char* source, const char* destination, int32_t quality, int32_t smoothing)
{
    return !IsEmptyText(source) && !IsEmptyText(destination) && quality >= 1 && quality <= 100 && smoothing >= 0 &&
           smoothing <= 100;
}

}  // namespace

int32_t ConvertToJpeg(const char* source, const char* destination, bool grey, int32_t quality, bool optimise,
                      int32_t smoothing)
{
    if (!ValidArguments(source, destination, quality, smoothing)) {
        return kBadArguments;
    }
    if (!IsExistingFile(source)) {
        return kSourceMissing;
    }
    ConversionImage image;
    if (ReadSourceFile(source, image) != ReadOutcome::kRead) {
        return kSourceUnreadable;
    }
    return WriteJpeg(image, destination, {grey, quality, optimise, smoothing}) ? kConverted : kWriteFailed;
}

void ConvertToJpegCommand(rt::ValueTriple* result, int argCount, rt::ValueTriple* args)
{
    auto arg = [&](int i) { return args && i < argCount ? args[i] : rt::ValueTriple{}; };
    auto text = [&](int i) { return static_cast<const char*>(arg(i).pointer()); };
    auto integer = [&](int i) { return static_cast<int32_t>(arg(i).low); };
    *result = rt::MakeInt(ConvertToJpeg(text(0), text(1), arg(2).low != 0, integer(3), arg(4).low != 0, integer(5)));
}

}  // namespace pictures
