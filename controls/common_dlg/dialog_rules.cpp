#include "controls/common_dlg/dialog_rules.h"

#include <algorithm>
#include <cstdlib>

namespace rt::units {
namespace {

constexpr int32_t kHighestDialogType = kHelpRequest;
constexpr int32_t kHighestHelpCommand = 5;
constexpr int32_t kPointsPerInch = 72;

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

// a × b ÷ c rounded to nearest (halves away from zero), in 64 bits so no product overflows; the
// result saturates at the 32-bit limits.
int32_t ScaledRounded(int64_t a, int64_t b, int64_t c)
{
    if (c <= 0) {
        return 0;
    }
    int64_t product = a * b;
    int64_t magnitude = (std::llabs(product) + c / 2) / c;
    int64_t result = product < 0 ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(result, INT32_MIN, INT32_MAX));
}

}  // namespace

void NormaliseOptions(CommonDlgOptions& options)
{
    options.DialogType = std::clamp(options.DialogType, 0, kHighestDialogType);
    options.HelpCommand = std::clamp(options.HelpCommand, 0, kHighestHelpCommand);
    options.FilterIndex = std::max(options.FilterIndex, 0);
    options.FontSize = std::max(options.FontSize, 0);
}

std::wstring DialogFilter(std::wstring_view filter)
{
    while (!filter.empty() && IsBlank(filter.back())) {
        filter.remove_suffix(1);
    }
    if (filter.empty()) {
        return {};
    }
    std::wstring result(filter);
    if (result.size() < 2 || result.compare(result.size() - 2, 2, L"||") != 0) {
        result += L"||";
    }
    std::replace(result.begin(), result.end(), L'|', L'\0');
    return result;
}

uint32_t InitialFilterPair(bool hasFilter, int32_t filterIndex)
{
    if (!hasFilter) {
        return 0;
    }
    return filterIndex < 0 ? 1u : static_cast<uint32_t>(filterIndex) + 1u;
}

int32_t FontHeightForPoints(int32_t points, int32_t pixelsPerInch)
{
    return -ScaledRounded(points, pixelsPerInch, kPointsPerInch);
}

int32_t FontPointsForHeight(int32_t height, int32_t pixelsPerInch)
{
    return ScaledRounded(std::llabs(static_cast<int64_t>(height)), kPointsPerInch, pixelsPerInch);
}

std::string DefaultHelpFile(std::string_view directory, std::string_view fileName)
{
    if (fileName.empty()) {
        return {};
    }
    size_t dot = fileName.rfind('.');
    std::string name(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
    name += ".hlp";
    if (directory.empty()) {
        return name;
    }
    return std::string(directory) + "\\" + name;
}

}  // namespace rt::units
