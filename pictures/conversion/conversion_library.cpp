#include "pictures/conversion/conversion_library.h"

#include <iterator>

#include "pictures/conversion/convert_to_jpeg.h"

namespace pictures {
namespace {

const rt::CommandRoutine kCommands[] = {ConvertToJpegCommand};

}  // namespace

const rt::LibraryDescription kImageConversionLibrary{
    "image conversion", nullptr, kCommands, static_cast<uint32_t>(std::size(kCommands)), nullptr, 0,
};

}  // namespace pictures
