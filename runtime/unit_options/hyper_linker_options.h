// The HyperLinker unit's options (version 1).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/unit_options/font_description.h"

namespace rt {

// The hover colour's default stands for the system highlight colour, which only the running system
// knows: system colour 13 (the highlight) with the top byte 0x80. The unit's create code asks the
// system for the colour when it finds this value.
inline constexpr uint32_t kSystemHighlightColour = 0x8000000d;

struct HyperLinkerOptions {
    static constexpr uint32_t kMaxVersion = 1;

    std::string Caption;
    int32_t LinkType = 0;
    std::string MailAddress;
    std::string WebAddress;
    uint32_t NormalColour = 0xff0000;
    uint32_t VisitedColour = 0x000080;
    uint32_t HoverColour = kSystemHighlightColour;
    uint32_t BackColour = 0xff000000;
    int32_t Border = 0;
    std::optional<FontDescription> Font;

    template <class Options, class Field>
    static void Layout(Options& o, Field& field, uint32_t)
    {
        field("LinkType", o.LinkType);
        field("NormalColour", o.NormalColour);
        field("VisitedColour", o.VisitedColour);
        field("HoverColour", o.HoverColour);
        field("BackColour", o.BackColour);
        field("Border", o.Border);
        field("Font", o.Font);
        field("Caption", o.Caption);
        field("MailAddress", o.MailAddress);
        field("WebAddress", o.WebAddress);
    }

    bool operator==(const HyperLinkerOptions&) const = default;
};

}  // namespace rt
