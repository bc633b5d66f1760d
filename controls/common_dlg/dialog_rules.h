// The common dialog's rules that need no Windows: the clamps of its stored values, the filter and
// initial filter the file dialogs get, the font size conversions and the default help file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/unit_options/common_dlg_options.h"

namespace rt::units {

enum CommonDlgType : int32_t {
    kOpenFileDialog = 0,
    kSaveFileDialog = 1,
    kFontDialog = 2,
    kHelpRequest = 3,
};

// Clamps what the unit stores: DialogType 0-3, HelpCommand 0-5, negative FilterIndex and FontSize
// to 0.
void NormaliseOptions(CommonDlgOptions& options);

// The filter as the system dialog takes it: trailing white space removed, "||" appended unless the
// filter already ends in it, and every "|" turned into the NUL between description and pattern
// strings. Empty when the filter is empty (no filter at all). It works on the wide text, so a GBK
// trail byte that happens to be "|" is never taken for a separator.
std::wstring DialogFilter(std::wstring_view filter);

// The 1-based number of the pair the dialog starts with: FilterIndex + 1, 1 for a negative index;
// 0 (none) without a filter.
uint32_t InitialFilterPair(bool hasFilter, int32_t filterIndex);

// Points to a font height in pixels at the screen's pixels per inch (negative: a character
// height), and back; both rounded to nearest.
int32_t FontHeightForPoints(int32_t points, int32_t pixelsPerInch);
int32_t FontPointsForHeight(int32_t height, int32_t pixelsPerInch);

// The program's own help file: its file name with the extension "hlp", in its folder; empty when
// the program's name is not known.
std::string DefaultHelpFile(std::string_view directory, std::string_view fileName);

}  // namespace rt::units
