#include "runtime/unit_options/font_description.h"

#include <algorithm>
#include <cstring>

namespace rt {

namespace {

int32_t ReadInt(const uint8_t* p) { return static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24); }

void WriteInt(uint8_t* p, int32_t value)
{
    uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<uint8_t>(bits >> (8 * i));
    }
}

}  // namespace

std::string_view FontDescription::faceName() const
{
    return {FaceName.data(), static_cast<size_t>(std::find(FaceName.begin(), FaceName.end(), '\0') - FaceName.begin())};
}

void FontDescription::setFaceName(std::string_view name)
{
    FaceName.fill('\0');
    std::copy_n(name.begin(), std::min(name.size(), FaceName.size() - 1), FaceName.begin());
}

FontDescription DecodeFont(const uint8_t* bytes)
{
    FontDescription font;
    font.Height = ReadInt(bytes);
    font.Width = ReadInt(bytes + 4);
    font.Escapement = ReadInt(bytes + 8);
    font.Orientation = ReadInt(bytes + 12);
    font.Weight = ReadInt(bytes + 16);
    font.Italic = bytes[20];
    font.Underline = bytes[21];
    font.StrikeOut = bytes[22];
    font.CharSet = bytes[23];
    font.OutPrecision = bytes[24];
    font.ClipPrecision = bytes[25];
    font.Quality = bytes[26];
    font.PitchAndFamily = bytes[27];
    std::memcpy(font.FaceName.data(), bytes + 28, font.FaceName.size());
    return font;
}

std::array<uint8_t, kFontDescriptionSize> EncodeFont(const FontDescription& font)
{
    std::array<uint8_t, kFontDescriptionSize> bytes{};
    WriteInt(bytes.data(), font.Height);
    WriteInt(bytes.data() + 4, font.Width);
    WriteInt(bytes.data() + 8, font.Escapement);
    WriteInt(bytes.data() + 12, font.Orientation);
    WriteInt(bytes.data() + 16, font.Weight);
    bytes[20] = font.Italic;
    bytes[21] = font.Underline;
    bytes[22] = font.StrikeOut;
    bytes[23] = font.CharSet;
    bytes[24] = font.OutPrecision;
    bytes[25] = font.ClipPrecision;
    bytes[26] = font.Quality;
    bytes[27] = font.PitchAndFamily;
    std::memcpy(bytes.data() + 28, font.FaceName.data(), font.FaceName.size());
    return bytes;
}

}  // namespace rt
