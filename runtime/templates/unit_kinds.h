// Unit kinds as stored in unit records: library number × 65536 + unit number, both 1-based.
#pragma once

#include <cstdint>

namespace rt {

constexpr uint32_t UnitKind(uint32_t library, uint32_t unit) { return library << 16 | unit; }

inline constexpr uint32_t kWindowKind = UnitKind(1, 0x01);
inline constexpr uint32_t kMenuItemKind = UnitKind(1, 0x03);
inline constexpr uint32_t kEditBoxKind = UnitKind(1, 0x05);
inline constexpr uint32_t kBoardKind = UnitKind(1, 0x08);
inline constexpr uint32_t kGroupBoxKind = UnitKind(1, 0x09);
inline constexpr uint32_t kLabelKind = UnitKind(1, 0x0a);
inline constexpr uint32_t kButtonKind = UnitKind(1, 0x0b);
inline constexpr uint32_t kCheckBoxKind = UnitKind(1, 0x0c);
inline constexpr uint32_t kRadioBoxKind = UnitKind(1, 0x0d);
inline constexpr uint32_t kProcessBarKind = UnitKind(1, 0x13);
inline constexpr uint32_t kHyperLinkerKind = UnitKind(1, 0x1d);
inline constexpr uint32_t kCommonDlgKind = UnitKind(1, 0x1f);
inline constexpr uint32_t kHtmlViewerKind = UnitKind(6, 0x01);

}  // namespace rt
