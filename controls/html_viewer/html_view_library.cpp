#include "controls/html_viewer/html_view_library.h"

#include <iterator>

#include "controls/html_viewer/html_viewer.h"

namespace rt::units {
namespace {

const UnitKindDescription* const kUnitKinds[] = {&HtmlViewerKind()};

}  // namespace

const LibraryDescription kHtmlViewLibrary{
    "html view", nullptr, nullptr, 0, kUnitKinds, static_cast<uint32_t>(std::size(kUnitKinds)),
};

}  // namespace rt::units
