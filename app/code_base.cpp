#include "app/code_base.h"

#include <iterator>

#include "app/main_window.h"
#include "app/preview_window.h"
#include "app/split.h"
#include "data/program_windows.h"

namespace app {
namespace {

const rt::ApplicationSub kSubs[] = {
    OnLink1Pressed,  OnLink2Pressed,      OnLink3Pressed,         OnMainWindowCreated,      OnMainWindowDestroyed,
    OnOpenClicked,   OnPreviewClicked,    OnSplitClicked,         OnSplitByCountChosen,     OnSplitBySizeChosen,
    OnResizeToggled, OnSplitDoneFeedback, OnPreviewWindowCreated, OnPreviewWindowDestroyed,
};
static_assert(std::size(kSubs) == data::subs::kCount, "one sub per entry of data/application_subs.txt");

}  // namespace

const rt::CodeBase kCodeBase{kSubs, static_cast<uint32_t>(std::size(kSubs))};

}  // namespace app
