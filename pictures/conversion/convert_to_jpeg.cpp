#include "pictures/conversion/convert_to_jpeg.h"

#include <new>

#include "pictures/conversion/conversion_files.h"
#include "pictures/conversion/jpeg_writer.h"
#include "pictures/conversion/read_source.h"
#include "runtime/numeric_values.h"

namespace pictures {
namespace {

bool IsEmptyText(const char* text) { return !text || !*text; }

// Each slot reads only its own type: a value of another type in a text slot is a missing text (its
// words are never taken for a pointer), in a logical slot false; a numeric slot takes any number,
// a real truncated toward zero, and anything else as 0.
const char* TextArg(const rt::ValueTriple& value)
{
    return value.type == rt::kText ? static_cast<const char*>(value.pointer()) : nullptr;
}

bool LogicalArg(const rt::ValueTriple& value) { return value.type == rt::kLogical && value.low != 0; }

int32_t IntegerArg(const rt::ValueTriple& value) { return rt::IntegerOf(value).value_or(0); }

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
    // Memory that runs out fails the step it runs out in, as any other failure there does.
    ConversionImage image;
    try {
        if (ReadSourceFile(source, image) != ReadOutcome::kRead) {
            return kSourceUnreadable;
        }
    } catch (const std::bad_alloc&) {
        return kSourceUnreadable;
    }
    try {
        return WriteJpeg(image, destination, {grey, quality, optimise, smoothing}) ? kConverted : kWriteFailed;
    } catch (const std::bad_alloc&) {
        return kWriteFailed;
    }
}

void ConvertToJpegCommand(rt::ValueTriple* result, int argCount, rt::ValueTriple* args)
{
    auto arg = [&](int i) { return args && i < argCount ? args[i] : rt::ValueTriple{}; };
    *result = rt::MakeInt(ConvertToJpeg(TextArg(arg(0)), TextArg(arg(1)), LogicalArg(arg(2)), IntegerArg(arg(3)),
                                        LogicalArg(arg(4)), IntegerArg(arg(5))));
}

}  // namespace pictures
