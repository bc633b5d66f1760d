#include "app/notice.h"

#include <vector>

#include "app/commands.h"
#include "app/messages.h"
#include "app/notice_links.h"
#include "app/units.h"
#include "app/variables.h"

namespace app {
namespace {

// The link opens its web address.
constexpr int32_t kWebLink = 1;

}  // namespace

void ReadNoticeHost()
{
    ByteSet ini = ReadFile(RunDirectory() + "\\" + texts::kIniName);
    AssignText(Vars().noticeHost, NoticeHostOf(ToText(ini)));
}

std::string NoticeServerAddress(const char* path)
{
    std::string host = TextOfVariable(Vars().noticeHost);
    return host.empty() ? host : "http://" + host + path;
}

int32_t NoticeThread(int32_t)
{
    std::string address = NoticeServerAddress(texts::kNoticePath);
    if (address.empty()) {
        return 0;
    }
    std::vector<NoticeLink> links = NoticeLinks(ToText(HttpRead(address)));
    for (size_t k = 0; k < links.size(); ++k) {
        const Unit& link = units::kLinks[k];
        WriteInt(link, property::kLinkType, kWebLink);
        WriteText(link, property::kCaption, links[k].caption);
        WriteText(link, property::kWebAddress, links[k].webAddress);
    }
    WriteText(units::kMainNoticeView, property::kAddress, NoticeServerAddress(texts::kMainNoticePage));
    return 0;
}

}  // namespace app
