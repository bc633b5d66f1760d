// The RadioBox unit's options (version 1): the CheckBox layout without the data-binding texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/unit_options/font_description.h"

namespace rt {

struct RadioBoxOptions {
    static constexpr uint32_t kMaxVersion = 1;

    std::vector<uint8_t> Image;
    bool PushLike = false;
    bool Flat = false;
    std::string Caption = "单选框";
    bool TextOnLeft = false;
    int32_t HorizontalAlign = 0;
    int32_t VerticalAlign = 1;
    uint32_t TextColour = 0;
    uint32_t BackColour = 0xff000000;
    std::optional<FontDescription> Font;
    bool Checked = false;

    template <class Options, class Field>
    static void Layout(Options& o, Field& field, uint32_t)
    {
        field("PushLike", o.PushLike);
        field("Flat", o.Flat);
        field("TextOnLeft", o.TextOnLeft);
        field("HorizontalAlign", o.HorizontalAlign);
        field("VerticalAlign", o.VerticalAlign);
        field("TextColour", o.TextColour);
        field("BackColour", o.BackColour);
        field("Checked", o.Checked);
        field("Image", o.Image);
        field("Font", o.Font);
        field("Caption", o.Caption);
    }

    bool operator==(const RadioBoxOptions&) const = default;
};

}  // namespace rt
