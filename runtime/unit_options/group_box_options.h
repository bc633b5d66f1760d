// The GroupBox unit's options (version 1).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/unit_options/font_description.h"

namespace rt {

struct GroupBoxOptions {
    static constexpr uint32_t kMaxVersion = 1;

    std::string Caption;
    int32_t Alignment = 0;
    uint32_t TextColour = 0;
    uint32_t BackColour = 0xff000000;
    std::optional<FontDescription> Font;

    template <class Options, class Field>
    static void Layout(Options& o, Field& field, uint32_t)
    {
        field("Alignment", o.Alignment);
        field("TextColour", o.TextColour);
        field("BackColour", o.BackColour);
        field("Font", o.Font);
        field("Caption", o.Caption);
    }

    bool operator==(const GroupBoxOptions&) const = default;
};

}  // namespace rt
