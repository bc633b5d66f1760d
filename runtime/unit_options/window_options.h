// The window unit's options: the property data of unit 0 of every window template. Versions 0 to 6;
// fields that an older version does not hold keep their defaults.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rt {

struct WindowOptions {
    static constexpr uint32_t kMaxVersion = 6;

    std::string Title;
    int32_t Border = 2;
    uint32_t BackColour = 0xff000000;
    std::vector<uint8_t> BackPicture;
    int32_t BackPictureMode = 1;
    std::vector<uint8_t> BackMusic;
    int32_t PlayCount = 0;
    bool ControlBox = true;
    bool MaxButton = false;
    bool MinButton = false;
    int32_t StartPosition = 1;
    bool Movable = true;
    std::vector<uint8_t> WindowIcon;
    bool EnterMovesFocus = false;
    bool EscCloses = true;
    bool F1Help = false;
    std::string HelpFile;
    int32_t HelpContext = 0;
    bool ShowInTaskbar = true;
    bool DragAnywhere = false;
    int32_t Shape = 0;
    bool AlwaysOnTop = false;
    bool KeepTitleActive = false;
    std::string ClassName;

    template <class Options, class Field>
    static void Layout(Options& o, Field& field, uint32_t version)
    {
        field("Border", o.Border);
        field("BackPictureMode", o.BackPictureMode);
        field("BackColour", o.BackColour);
        field("MaxButton", o.MaxButton);
        field("MinButton", o.MinButton);
        field("ControlBox", o.ControlBox);
        field("StartPosition", o.StartPosition);
        field("Movable", o.Movable);
        field("PlayCount", o.PlayCount);
        field("EnterMovesFocus", o.EnterMovesFocus);
        field("EscCloses", o.EscCloses);
        field("F1Help", o.F1Help);
        field("HelpContext", o.HelpContext);
        if (version > 1) {
            field("ShowInTaskbar", o.ShowInTaskbar);
        }
        if (version > 2) {
            field("DragAnywhere", o.DragAnywhere);
            field("Shape", o.Shape);
        }
        if (version > 3) {
            field("AlwaysOnTop", o.AlwaysOnTop);
        }
        if (version > 4) {
            field("KeepTitleActive", o.KeepTitleActive);
        }
        if (version == 6) {
            field("ClassName", o.ClassName);
        }
        field("BackPicture", o.BackPicture);
        field("WindowIcon", o.WindowIcon);
        field("BackMusic", o.BackMusic);
        field("Title", o.Title);
        field("HelpFile", o.HelpFile);
    }

    bool operator==(const WindowOptions&) const = default;
};

}  // namespace rt
