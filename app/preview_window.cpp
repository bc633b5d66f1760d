#include "app/preview_window.h"

#include "app/commands.h"
#include "app/messages.h"
#include "app/notice.h"
#include "app/units.h"
#include "app/variables.h"

namespace app {
namespace {

namespace p = property;

constexpr double kScreenBottomStrip = 30.0;

}  // namespace

// One preview window shows the new page: one still open from an earlier split is closed first, at
// once, so that the load makes a new window instead of bringing the old one to the front.
rt::SubReturn OnSplitDoneFeedback(const int32_t*, int)
{
    if (TextOfVariable(Vars().previewState) == texts::kPreviewOpen) {
        DestroyWindowAtOnce(units::kPreviewWindow.windowId);
    }
    LoadWindow(units::kPreviewWindow.windowId);
    return {};
}

rt::SubReturn OnPreviewWindowCreated(const int32_t*, int)
{
    AssignText(Vars().previewState, texts::kPreviewOpen);
    const Unit& window = units::kPreviewWindow;
    WriteInt(window, p::kWidth, ScreenWidth());
    WriteInt(window, p::kHeight, Trunc(ScreenHeight() - kScreenBottomStrip));
    WriteInt(window, p::kLeft, 0);
    WriteInt(window, p::kTop, 0);
    const Unit& view = units::kPageView;
    WriteInt(view, p::kWidth, ReadInt(window, p::kWidth));
    WriteInt(view, p::kHeight, ReadInt(window, p::kHeight));
    WriteInt(view, p::kLeft, 0);
    WriteInt(view, p::kTop, 0);
    WriteText(view, p::kAddress, TextOfVariable(Vars().outputFolder) + texts::kPageName);
    std::string noticePage = NoticeServerAddress(texts::kPreviewNoticePage);
    if (!noticePage.empty()) {
        WriteText(units::kPreviewNoticeView, p::kAddress, noticePage);
    }
    return {};
}

rt::SubReturn OnPreviewWindowDestroyed(const int32_t*, int)
{
    AssignText(Vars().previewState, "");
    return {};
}

}  // namespace app
