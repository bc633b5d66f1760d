#include "tools/splitter_driver/main_window_units.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "tools/automation/window_query.h"
#include "tools/splitter_driver/program_texts.h"

namespace splitter {
namespace {

using automation::ClassName;
using automation::ScreenRect;
using automation::WindowText;

struct Unit {
    HWND window;
    std::wstring className;
    std::wstring text;
    RECT rect;  // on the screen
};

BOOL CALLBACK CollectDescendant(HWND window, LPARAM units)
{
    reinterpret_cast<std::vector<Unit>*>(units)->push_back(
        {window, ClassName(window), WindowText(window), ScreenRect(window)});
    return TRUE;
}

std::vector<Unit> Descendants(HWND window)
{
    std::vector<Unit> units;
    EnumChildWindows(window, CollectDescendant, reinterpret_cast<LPARAM>(&units));
    return units;
}

std::vector<Unit> OfClass(const std::vector<Unit>& units, const wchar_t* className)
{
    std::vector<Unit> found;
    std::copy_if(units.begin(), units.end(), std::back_inserter(found),
                 [&](const Unit& unit) { return unit.className == className; });
    std::sort(found.begin(), found.end(), [](const Unit& a, const Unit& b) { return a.rect.top < b.rect.top; });
    return found;
}

HWND WithText(const std::vector<Unit>& units, const wchar_t* className, const wchar_t* text)
{
    for (const Unit& unit : units) {
        if (unit.className == className && unit.text == text) {
            return unit.window;
        }
    }
    return nullptr;
}

// The label on the same line as the caption label, right of it.
HWND LabelRightOf(const std::vector<Unit>& labels, HWND caption)
{
    auto found = std::find_if(labels.begin(), labels.end(), [&](const Unit& unit) { return unit.window == caption; });
    if (found == labels.end()) {
        return nullptr;
    }
    const RECT at = found->rect;
    HWND nearest = nullptr;
    LONG nearestLeft = LONG_MAX;
    for (const Unit& unit : labels) {
        if (unit.rect.top == at.top && unit.rect.left >= at.right && unit.rect.left < nearestLeft) {
            nearest = unit.window;
            nearestLeft = unit.rect.left;
        }
    }
    return nearest;
}

HWND FirstShown(const std::vector<Unit>& units)
{
    for (const Unit& unit : units) {
        if (IsWindowVisible(unit.window)) {
            return unit.window;
        }
    }
    return nullptr;
}

bool Complete(const MainWindowUnits& u)
{
    const HWND all[] = {u.openButton,       u.previewButton,    u.splitButton,  u.byCountRadio,   u.bySizeRadio,
                        u.resizeCheck,      u.rowsEdit,         u.columnsEdit,  u.pieceWidthEdit, u.pieceHeightEdit,
                        u.resizeHeightEdit, u.resizeWidthEdit,  u.previewBoard, u.busyLabel,      u.progressBar,
                        u.pictureNameLabel, u.pictureSizeLabel, u.links[0],     u.links[1],       u.links[2],
                        u.noticeView};
    return std::all_of(std::begin(all), std::end(all), [](HWND window) { return window != nullptr; });
}

}  // namespace

std::optional<MainWindowUnits> FindMainWindowUnits(HWND window)
{
    const std::vector<Unit> units = Descendants(window);
    MainWindowUnits u;
    u.window = window;
    u.openButton = WithText(units, L"Button", texts::kOpenButton);
    u.previewButton = WithText(units, L"Button", texts::kPreviewButton);
    u.splitButton = WithText(units, L"Button", texts::kSplitButton);
    u.byCountRadio = WithText(units, L"Button", texts::kByCountRadio);
    u.bySizeRadio = WithText(units, L"Button", texts::kBySizeRadio);
    u.resizeCheck = WithText(units, L"Button", texts::kResizeCheck);
    const std::vector<Unit> edits = OfClass(units, L"Edit");
    if (edits.size() == 6) {
        u.rowsEdit = edits[0].window;
        u.columnsEdit = edits[1].window;
        u.pieceWidthEdit = edits[2].window;
        u.pieceHeightEdit = edits[3].window;
        u.resizeHeightEdit = edits[4].window;
        u.resizeWidthEdit = edits[5].window;
    }
    u.previewBoard = FirstShown(OfClass(units, L"ZorviBoard"));
    u.busyLabel = WithText(units, L"ZorviLabel", texts::kBusy);
    const std::vector<Unit> bars = OfClass(units, L"msctls_progress32");
    u.progressBar = bars.size() == 1 ? bars[0].window : nullptr;
    const std::vector<Unit> labels = OfClass(units, L"ZorviLabel");
    u.pictureNameLabel = LabelRightOf(labels, WithText(units, L"ZorviLabel", texts::kNameCaption));
    u.pictureSizeLabel = LabelRightOf(labels, WithText(units, L"ZorviLabel", texts::kSizeCaption));
    const std::vector<Unit> links = OfClass(units, L"ZorviHyperLinker");
    if (links.size() == 3) {
        u.links = {links[0].window, links[1].window, links[2].window};
    }
    const std::vector<Unit> views = OfClass(units, L"ZorviHtmlViewer");
    u.noticeView = views.size() == 1 ? views[0].window : nullptr;
    if (!Complete(u)) {
        return std::nullopt;
    }
    return u;
}

}  // namespace splitter
