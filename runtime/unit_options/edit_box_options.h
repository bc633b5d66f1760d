// The EditBox unit's options. Versions 0 to 2; version 2 adds the data-binding texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/unit_options/font_description.h"

namespace rt {

struct EditBoxOptions {
    static constexpr uint32_t kMaxVersion = 2;

    std::string Content;
    int32_t Border = 1;
    uint32_t TextColour = 0;
    uint32_t BackColour = 0xffffff;
    std::optional<FontDescription> Font;
    bool HideSelection = true;
    int32_t MaxLength = 0;
    bool Multiline = false;
    int32_t ScrollBars = 0;
    int32_t Alignment = 0;
    int32_t InputMode = 0;
    uint16_t PasswordChar = '*';  // the character code
    int32_t CaseConversion = 0;
    int32_t SpinMode = 0;
    int32_t SpinMin = 0;
    int32_t SpinMax = 100;
    int32_t SelStart = 0;
    int32_t SelLength = 0;
    std::string DataSource;
    std::string DataColumn;

    template <class Options, class Field>
    static void Layout(Options& o, Field& field, uint32_t version)
    {
        field("Border", o.Border);
        field("TextColour", o.TextColour);
        field("BackColour", o.BackColour);
        field("HideSelection", o.HideSelection);
        field("MaxLength", o.MaxLength);
        field("Multiline", o.Multiline);
        field("ScrollBars", o.ScrollBars);
        field("Alignment", o.Alignment);
        field("InputMode", o.InputMode);
        field("PasswordChar", o.PasswordChar);
        field("CaseConversion", o.CaseConversion);
        field("SpinMode", o.SpinMode);
        field("SpinMin", o.SpinMin);
        field("SpinMax", o.SpinMax);
        field("SelStart", o.SelStart);
        field("SelLength", o.SelLength);
        field("Font", o.Font);
        field("Content", o.Content);
        if (version >= 2) {
            field("DataSource", o.DataSource);
            field("DataColumn", o.DataColumn);
        }
    }

    bool operator==(const EditBoxOptions&) const = default;
};

}  // namespace rt
