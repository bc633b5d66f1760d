// The ProcessBar unit's options (version 1): six values, 28 bytes with the version.
#pragma once

#include <cstdint>

namespace rt {

struct ProcessBarOptions {
    static constexpr uint32_t kMaxVersion = 1;

    int32_t Border = 3;
    bool Vertical = false;
    bool Smooth = false;
    int32_t Minimum = 0;
    int32_t Maximum = 100;
    int32_t Position = 0;

    template <class Options, class Field>
    static void Layout(Options& o, Field& field, uint32_t)
    {
        field("Border", o.Border);
        field("Vertical", o.Vertical);
        field("Smooth", o.Smooth);
        field("Minimum", o.Minimum);
        field("Maximum", o.Maximum);
        field("Position", o.Position);
    }

    bool operator==(const ProcessBarOptions&) const = default;
};

}  // namespace rt
