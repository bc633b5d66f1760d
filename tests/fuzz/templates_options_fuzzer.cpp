// Fuzzes the unit kinds' property data readers: the first byte picks the kind, the rest is the
// data. Whatever a reader accepts, writing it and reading it again gives the same options.
#include <cstdint>
#include <cstdlib>

#include "runtime/unit_options/button_options.h"
#include "runtime/unit_options/check_box_options.h"
#include "runtime/unit_options/common_dlg_options.h"
#include "runtime/unit_options/board_options.h"
#include "runtime/unit_options/edit_box_options.h"
#include "runtime/unit_options/group_box_options.h"
#include "runtime/unit_options/html_viewer_options.h"
#include "runtime/unit_options/hyper_linker_options.h"
#include "runtime/unit_options/label_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/unit_options/process_bar_options.h"
#include "runtime/unit_options/radio_box_options.h"
#include "runtime/unit_options/window_options.h"

namespace {

template <class Options>
void RoundTrip(const uint8_t* data, size_t size)
{
    std::optional<Options> options = rt::ReadOptions<Options>(data, size);
    if (!options) {
        return;
    }
    std::vector<uint8_t> written = rt::WriteOptions(*options);
    std::optional<Options> again = rt::ReadOptions<Options>(written);
    if (!again || !(*again == *options) || rt::WriteOptions(*again) != written) {
        std::abort();
    }
}

using Reader = void (*)(const uint8_t*, size_t);

const Reader kReaders[] = {
    RoundTrip<rt::WindowOptions>,   RoundTrip<rt::EditBoxOptions>,    RoundTrip<rt::LabelOptions>,
    RoundTrip<rt::GroupBoxOptions>, RoundTrip<rt::ButtonOptions>,     RoundTrip<rt::CheckBoxOptions>,
    RoundTrip<rt::RadioBoxOptions>, RoundTrip<rt::ProcessBarOptions>, RoundTrip<rt::HyperLinkerOptions>,
    RoundTrip<rt::BoardOptions>,    RoundTrip<rt::HtmlViewerOptions>, RoundTrip<rt::CommonDlgOptions>,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    kReaders[data[0] % std::size(kReaders)](data + 1, size - 1);
    return 0;
}
