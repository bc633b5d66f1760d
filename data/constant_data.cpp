#include "data/constant_data.h"

namespace data {

const ConstantData kConstantData{
    .defaultPicture = {{1, static_cast<int32_t>(kDefaultPictureSize)},
                       {
#include "default_picture_bytes.inc"
                       }},
};

}  // namespace data
