// The DrawPanel unit's options (version 1): thirteen values, the font and the background picture;
// 64 bytes without font and picture.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/unit_options/font_description.h"

namespace rt {

struct BoardOptions {
    static constexpr uint32_t kMaxVersion = 1;

    int32_t Border = 0;
    uint32_t BackColour = 0xff000000;
    std::vector<uint8_t> BackPicture;
    int32_t BackPictureMode = 1;
    bool AutoRedraw = false;
    int32_t CoordinateUnit = 0;
    int32_t PenType = 1;
    int32_t DrawMode = 12;
    int32_t PenWidth = 0;
    uint32_t PenColour = 0;
    int32_t BrushType = 1;
    uint32_t BrushColour = 0xffffff;
    uint32_t TextColour = 0;
    uint32_t TextBackColour = 0xff000000;
    std::optional<FontDescription> Font;

    template <class Options, class Field>
    static void Layout(Options& o, Field& field, uint32_t)
    {
        field("Border", o.Border);
        field("BackColour", o.BackColour);
        field("BackPictureMode", o.BackPictureMode);
        field("AutoRedraw", o.AutoRedraw);
        field("CoordinateUnit", o.CoordinateUnit);
        field("PenType", o.PenType);
        field("DrawMode", o.DrawMode);
        field("PenWidth", o.PenWidth);
        field("PenColour", o.PenColour);
        field("BrushType", o.BrushType);
        field("BrushColour", o.BrushColour);
        field("TextColour", o.TextColour);
        field("TextBackColour", o.TextBackColour);
        field("Font", o.Font);
        field("BackPicture", o.BackPicture);
    }

    bool operator==(const BoardOptions&) const = default;
};

}  // namespace rt
