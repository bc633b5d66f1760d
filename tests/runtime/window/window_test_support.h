// Window templates for the window layer's tests, built as structs, and two small unit kinds of the
// tests' own: a child window with a caption and a number, that records the characters it gets, and
// the same as a check box that an Alt mnemonic toggles.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/unit_options/window_options.h"
#include "runtime/templates/template_block.h"
#include "runtime/window/unit_kind.h"

namespace window_test {

inline constexpr uint32_t kTestKind = 0x00017001;
inline constexpr uint32_t kTestCheckKind = 0x00017002;
inline constexpr uint32_t kNoHandler = rt::kNoSubOffset;

// The test kinds' properties: 0 Caption (text), 1 Number (int), 2 Rebuild (int; a write asks for
// re-creation), 3 Checked (logical).
enum TestProperty : int { kCaption = 0, kNumber = 1, kRebuild = 2, kChecked = 3 };

const rt::UnitKindDescription& TestKind();
const rt::UnitKindDescription& TestCheckKind();
// The characters the test unit of that id received through WM_CHAR.
std::wstring CharactersReceived(uint32_t unitId);
void ClearCharacters();

// A unit record of any kind with the given property data.
rt::UnitRecord Record(uint32_t id, uint32_t kind, rt::UnitRect rect, uint32_t flags,
                      std::vector<rt::EventBinding> bindings, std::vector<uint8_t> propertyData);

rt::UnitRecord WindowRecord(uint32_t id, const rt::WindowOptions& options, rt::UnitRect rect, uint32_t flags,
                            std::vector<rt::EventBinding> bindings);
// A window unit record whose property data is empty: all defaults.
rt::UnitRecord DefaultWindowRecord(uint32_t id, rt::UnitRect rect, uint32_t flags,
                                   std::vector<rt::EventBinding> bindings);
rt::UnitRecord TestUnitRecord(uint32_t id, rt::UnitRect rect, uint32_t flags, uint32_t container = 0,
                              std::vector<uint32_t> children = {}, std::vector<rt::EventBinding> bindings = {});
rt::UnitRecord TestCheckRecord(uint32_t id, rt::UnitRect rect, uint32_t flags, const std::string& caption,
                               std::vector<rt::EventBinding> bindings);

// The window handle of a loaded window, or null.
HWND WindowHandle(uint32_t windowId);
// The control of a live unit, or null.
HWND UnitHandle(uint32_t windowId, uint32_t unitId);
// A text property as the application reads it (the new text it hands out is released here).
std::string ReadTextProperty(uint32_t windowId, uint32_t unitId, int index);

// The runtime window and the window layer, once per test program.
void StartWindowLayerForTests();

// Makes the collection of the given windows current, with bindings resolved against the code base.
bool InstallTemplates(const std::vector<rt::WindowRecord>& windows, const rt::CodeBase& codeBase);

// Dispatches waiting messages through the runtime's filter for about the given time.
void Pump(DWORD milliseconds);

}  // namespace window_test
