#include "pictures/conversion/jpeg_parameters.h"

namespace pictures {

void SetJpegParameters(jpeg_compress_struct* c, uint32_t width, uint32_t height, J_COLOR_SPACE rows,
                       const JpegSettings& settings)
{
    c->image_width = width;
    c->image_height = height;
    c->input_components = rows == JCS_GRAYSCALE ? 1 : 3;
    c->in_color_space = rows;
    jpeg_set_defaults(c);
    c->optimize_coding = settings.optimise ? TRUE : FALSE;
    c->smoothing_factor = settings.smoothing;
    jpeg_set_quality(c, settings.quality, TRUE);
}

}  // namespace pictures
