// The HtmlViewer unit's options (version 1).
#pragma once

#include <cstdint>
#include <string>

namespace rt {

struct HtmlViewerOptions {
    static constexpr uint32_t kMaxVersion = 1;

    int32_t TextSize = 2;
    bool Offline = false;
    bool Silent = false;
    std::string Address;

    template <class Options, class Field>
    static void Layout(Options& o, Field& field, uint32_t)
    {
        field("TextSize", o.TextSize);
        field("Offline", o.Offline);
        field("Silent", o.Silent);
        field("Address", o.Address);
    }

    bool operator==(const HtmlViewerOptions&) const = default;
};

}  // namespace rt
