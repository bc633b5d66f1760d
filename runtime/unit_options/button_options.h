// The Button unit's options (version 1).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/unit_options/font_description.h"

namespace rt {

struct ButtonOptions {
    static constexpr uint32_t kMaxVersion = 1;

    std::vector<uint8_t> Image;
    int32_t ButtonType = 0;
    std::string Caption = "按钮";
    int32_t HorizontalAlign = 1;
    int32_t VerticalAlign = 1;
    std::optional<FontDescription> Font;

    template <class Options, class Field>
    static void Layout(Options& o, Field& field, uint32_t)
    {
        field("ButtonType", o.ButtonType);
        field("HorizontalAlign", o.HorizontalAlign);
        field("VerticalAlign", o.VerticalAlign);
        field("Image", o.Image);
        field("Font", o.Font);
        field("Caption", o.Caption);
    }

    bool operator==(const ButtonOptions&) const = default;
};

}  // namespace rt
