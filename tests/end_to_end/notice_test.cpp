// The notice read at start from a local server: its first three lines become the links, whatever
// the answer is, and the hidden views of both windows load the notice pages.
#include <winsock2.h>

#include "tests/end_to_end/end_to_end_test.h"
#include "tools/automation/window_query.h"
#include "tools/splitter_driver/driver_error.h"
#include "tools/splitter_driver/notice_server.h"

namespace end_to_end {
namespace {

constexpr char kNoticePath[] = "/rjdown/kpfx.txt";
constexpr char kMainPage[] = "/rjdown/kpfx.html";
constexpr char kPreviewPage[] = "/rjdown/kpfx.html?fenge";
constexpr DWORD kNoticeMs = 10000;

std::string Gbk(const std::wstring& text)
{
    std::string bytes(text.size() * 2 + 1, '\0');
    bytes.resize(
        static_cast<size_t>(WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                                                static_cast<int>(bytes.size()), nullptr, nullptr)));
    return bytes;
}

// Bytes that are no text: a PNG signature with a zero in it, then noise.
std::string Garbage()
{
    std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    uint32_t noise = 7;
    for (int i = 0; i < 300; ++i) {
        noise = noise * 1103515245u + 12345u;
        bytes += static_cast<char>(noise >> 24);
    }
    return bytes;
}

struct NoticeCase {
    const char* name;
    std::string body;
    std::vector<std::wstring> captions;
};

std::vector<NoticeCase> Cases()
{
    return {
        {"three lines and more",
         Gbk(L"甲|http://a.example/1|more\r\n乙|https://b.example/2\r\n丙|http://c.example/3\r\n丁|http://d.example/"
             L"\r\n"),
         {L"甲", L"乙", L"丙"}},
        {"one line", Gbk(L"甲|http://a.example/"), {L"甲", L"", L""}},
        {"a line without fields",
         Gbk(L"甲|http://a.example/\r\n没有字段\r\n丙|http://c.example/\r\n"),
         {L"甲", L"", L""}},
        {"addresses that are no web addresses",
         Gbk(L"本地|file:///C:/windows/notepad.exe\r\n共享|\\\\server\\share\r\n网页|http://ok.example/a?b=1\r\n"),
         {L"", L"", L"网页"}},
        {"an empty answer", "", {L"", L"", L""}},
        {"garbage", Garbage(), {L"", L"", L""}},
    };
}

class Notice : public EndToEndTest {
protected:
    splitter::Splitter& StartWithNotice(const std::string& body)
    {
        server_ = std::make_unique<splitter::NoticeServer>(
            std::map<std::string, std::string>{{kNoticePath, body}, {kMainPage, "<html><body>notice</body></html>"}});
        return Start(server_->host());
    }
    // The links once the notice thread is through: it sends the hidden view to its page last.
    std::vector<std::wstring> LinkCaptions()
    {
        EXPECT_TRUE(server_->WaitForRequest(kMainPage, kNoticeMs));
        std::vector<std::wstring> captions;
        for (HWND link : program().units().links) {
            captions.push_back(automation::WindowText(link));
        }
        return captions;
    }

    std::unique_ptr<splitter::NoticeServer> server_;
};

TEST_F(Notice, TheFirstThreeLinesBecomeTheLinksAndAnyAnswerLeavesTheProgramWorking)
{
    for (const NoticeCase& notice : Cases()) {
        SCOPED_TRACE(notice.name);
        splitter::Splitter& p = StartWithNotice(notice.body);
        EXPECT_EQ(LinkCaptions(), notice.captions);
        EXPECT_EQ(server_->requests(), (std::vector<std::string>{kNoticePath, kMainPage}));
        p.PressPreview();
        p.WaitForBoardStill(true);
        EXPECT_EQ(Stop(), 0u);
    }
}

// A server that takes the connection and never answers.
class SilentServer {
public:
    SilentServer()
    {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        socket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int length = sizeof address;
        bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(socket_, SOMAXCONN);
        getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~SilentServer()
    {
        closesocket(socket_);
        WSACleanup();
    }
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }

private:
    SOCKET socket_ = INVALID_SOCKET;
    unsigned short port_ = 0;
};

TEST_F(Notice, ANoticeThatNeverComesNeitherHoldsTheWindowNorItsEnd)
{
    SilentServer silent;
    splitter::Splitter& p = Start(silent.host());
    p.PressPreview();
    p.WaitForBoardStill(true);
    for (HWND link : p.units().links) {
        EXPECT_EQ(automation::WindowText(link), L"");
    }
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(Notice, ThePreviewWindowsHiddenViewLoadsItsNoticePage)
{
    splitter::Splitter& p = StartWithNotice(Gbk(L"甲|http://a.example/\r\n"));
    ASSERT_TRUE(server_->WaitForRequest(kMainPage, kNoticeMs));
    const std::wstring saveName = (Folder(L"out") / L"cover").wstring();
    p.Split(saveName, true);
    EXPECT_TRUE(server_->WaitForRequest(kPreviewPage, kNoticeMs));
    const RgbPicture source = DecodeJpegFile(DefaultPictureSource());
    EXPECT_TRUE(SplitOutputIs(saveName, CountGrid(source, 3, 5), source, kGrainyDrawingOneJpegCoding));
    EXPECT_EQ(Stop(), 0u);
}

}  // namespace
}  // namespace end_to_end
