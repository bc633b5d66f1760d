// A font as units store it: 60 bytes in the Windows LOGFONTA layout (five 32-bit integers, eight
// bytes, a 32-byte NUL-terminated GBK face name), kept here as a portable struct.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace rt {

struct FontDescription {
    int32_t Height = 0;
    int32_t Width = 0;
    int32_t Escapement = 0;
    int32_t Orientation = 0;
    int32_t Weight = 0;
    uint8_t Italic = 0;
    uint8_t Underline = 0;
    uint8_t StrikeOut = 0;
    uint8_t CharSet = 0;
    uint8_t OutPrecision = 0;
    uint8_t ClipPrecision = 0;
    uint8_t Quality = 0;
    uint8_t PitchAndFamily = 0;
    std::array<char, 32> FaceName{};

    // The face name up to its NUL (all 32 bytes when there is none).
    std::string_view faceName() const;
    // Stores at most 31 bytes of name, NUL-filled.
    void setFaceName(std::string_view name);

    bool operator==(const FontDescription&) const = default;
};
static_assert(sizeof(FontDescription) == 60, "a font description has the LOGFONTA layout");

inline constexpr size_t kFontDescriptionSize = 60;

FontDescription DecodeFont(const uint8_t* bytes);
std::array<uint8_t, kFontDescriptionSize> EncodeFont(const FontDescription& font);

}  // namespace rt
