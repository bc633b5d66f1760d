// A window with labels in-process: the label kind registered, a template window of labels built
// from options, and the label's live window and rendering for the tests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "runtime/unit_options/label_options.h"
#include "runtime/program_header.h"
#include "runtime/templates/template_block.h"

namespace label_test {

inline constexpr uint32_t kWindow = 0x52000101;
inline constexpr uint32_t kWindowUnit = 0x06000102;
inline constexpr uint32_t kLabel = 0x16000103;
inline constexpr uint32_t kSecondLabel = 0x16000104;

// Installs a window holding one label with the options (event 0 bound to sub 0 of the code
// base) and loads it; false when the window did not load.
bool LoadLabelWindow(const rt::LabelOptions& options, const rt::CodeBase& codeBase);
// The same, with raw property data for the label.
bool LoadLabelWindowWithData(const std::vector<uint8_t>& propertyData, const rt::CodeBase& codeBase);
void CloseWindows();

HWND LabelHandle();

// The label's client area as drawn by its paint routine onto a white 32-bit bitmap.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, top-down

    COLORREF at(int x, int y) const;
    // Pixels of exactly that colour.
    int count(COLORREF colour) const;
};
Capture CaptureLabel();

}  // namespace label_test
