// HttpRead called as the application calls it, against servers that the test starts on 127.0.0.1:
// what is requested, what comes back, the read sizes (seen through the read seam), and servers
// that never answer, send garbage or send without end.
#include <gtest/gtest.h>

#include <windows.h>

#include <future>
#include <mutex>
#include <string>
#include <vector>

#include "commands/internet/body_reader.h"
#include "commands/internet/http_read.h"
#include "commands/internet/internet_library.h"
#include "commands/internet/internet_state.h"
#include "runtime/helper_table.h"
#include "runtime/memory.h"
#include "tests/commands/command_call.h"
#include "test_http_server.h"

namespace {

using test::HttpAnswer;
using test::ServerBehaviour;
using test::TestHttpServer;

constexpr int kInternetLibraryNumber = 6;
constexpr char kAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr std::chrono::seconds kWait{20};

// The sizes HttpRead asks each read for.
std::mutex readSizesMutex;
std::vector<DWORD> readSizes;

BOOL WINAPI RecordingRead(HINTERNET request, void* buffer, DWORD size, DWORD* received)
{
    {
        std::lock_guard lock(readSizesMutex);
        readSizes.push_back(size);
    }
    return InternetReadFile(request, buffer, size, received);
}

std::vector<DWORD> TakeReadSizes()
{
    std::lock_guard lock(readSizesMutex);
    return std::exchange(readSizes, {});
}

std::vector<uint8_t> HttpRead(rt::ValueTriple url)
{
    rt::ValueTriple result =
        rt::Helpers().callLibraryCommand(kInternetLibraryNumber, rt::commands::kInternetLibrary.commands[0], 1, &url);
    EXPECT_EQ(result.type, rt::kByteSet);
    return test::CommandResult(result).bytes();
}

std::vector<uint8_t> HttpRead(const std::string& url) { return HttpRead(test::Text(url)); }

std::vector<uint8_t> BytesOf(const std::string& text) { return {text.begin(), text.end()}; }

// Bytes that do not repeat in short cycles, so a lost or repeated piece shows.
std::string Body(size_t size)
{
    std::string body(size, '\0');
    uint32_t state = 12345;
    for (char& c : body) {
        state = state * 1103515245 + 12345;
        c = static_cast<char>('a' + (state >> 16) % 26);
    }
    return body;
}

class HttpReadTest : public testing::Test {
protected:
    void SetUp() override
    {
        previousRead_ = rt::commands::ReplaceInternetRead(RecordingRead);
        TakeReadSizes();
    }
    void TearDown() override { rt::commands::ReplaceInternetRead(previousRead_); }

    rt::commands::InternetReadRoutine previousRead_ = nullptr;
};

TEST_F(HttpReadTest, ReturnsTheBodyOfA200WithOneReadOfTheLengthPlusOne)
{
    const std::string notice = "第一条|http://example.com/1\r\n第二条|http://example.com/2\r\n";
    TestHttpServer server(ServerBehaviour::kAnswer,
                          HttpAnswer("HTTP/1.0 200 OK", {"Content-Length: " + std::to_string(notice.size())}, notice));
    EXPECT_EQ(HttpRead(server.url("/rjdown/kpfx.txt")), BytesOf(notice));
    DWORD size = static_cast<DWORD>(notice.size() + 1);
    EXPECT_EQ(TakeReadSizes(), (std::vector<DWORD>{size, size})) << "the body, then the empty read";
}

TEST_F(HttpReadTest, SendsAnHttp10GetWithTheAgentAndAcceptHeaders)
{
    TestHttpServer server(ServerBehaviour::kAnswer, HttpAnswer("HTTP/1.0 200 OK", {"Content-Length: 2"}, "ok"));
    ASSERT_EQ(HttpRead(server.url("/rjdown/kpfx.txt")), BytesOf("ok"));
    std::vector<test::RecordedRequest> requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    const test::RecordedRequest& request = requests[0];
    EXPECT_EQ(request.requestLine, "GET /rjdown/kpfx.txt HTTP/1.0");
    EXPECT_EQ(request.header("User-Agent"), kAgent);
    EXPECT_EQ(request.header("Host"), "127.0.0.1:" + std::to_string(server.port()));
    EXPECT_EQ(request.count("Accept"), 1) << testing::PrintToString(request.headerLines);
    EXPECT_EQ(request.header("Accept"), "*/*") << testing::PrintToString(request.headerLines);
    EXPECT_EQ(request.count("Authorization"), 0);
}

TEST_F(HttpReadTest, ReturnsTheBodyOfA404)
{
    const std::string page = "<html><body>Not Found</body></html>";
    TestHttpServer server(
        ServerBehaviour::kAnswer,
        HttpAnswer("HTTP/1.0 404 Not Found",
                   {"Content-Type: text/html", "Content-Length: " + std::to_string(page.size())}, page));
    EXPECT_EQ(HttpRead(server.url("/missing.txt")), BytesOf(page));
}

TEST_F(HttpReadTest, AFragmentIsNotPartOfTheRequestedObject)
{
    TestHttpServer server(ServerBehaviour::kAnswer, HttpAnswer("HTTP/1.0 200 OK", {"Content-Length: 1"}, "x"));
    EXPECT_EQ(HttpRead(server.url("/rjdown/kpfx.txt#top")), BytesOf("x"));
    EXPECT_EQ(HttpRead(server.url("/rjdown/kpfx.html?fenge#a#b")), BytesOf("x"));
    EXPECT_EQ(HttpRead(server.url("/#")), BytesOf("x"));
    std::vector<test::RecordedRequest> requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].requestLine, "GET /rjdown/kpfx.txt HTTP/1.0");
    EXPECT_EQ(requests[1].requestLine, "GET /rjdown/kpfx.html?fenge HTTP/1.0");
    EXPECT_EQ(requests[2].requestLine, "GET / HTTP/1.0");
}

TEST_F(HttpReadTest, WithoutAContentLengthReadsPiecesOf10240Bytes)
{
    const std::string body = Body(25000);
    TestHttpServer server(ServerBehaviour::kAnswer, HttpAnswer("HTTP/1.0 200 OK", {"Content-Type: text/plain"}, body));
    EXPECT_EQ(HttpRead(server.url("/plain")), BytesOf(body));
    std::vector<DWORD> sizes = TakeReadSizes();
    ASSERT_GE(sizes.size(), 4u);
    EXPECT_EQ(sizes, std::vector<DWORD>(sizes.size(), rt::commands::kReadSizeWithoutLength));
}

TEST_F(HttpReadTest, AContentLengthOfAMillionReadsPiecesOf102400Bytes)
{
    const std::string body = Body(1000000);
    TestHttpServer server(ServerBehaviour::kAnswer, HttpAnswer("HTTP/1.0 200 OK", {"Content-Length: 1000000"}, body));
    EXPECT_EQ(HttpRead(server.url("/large")), BytesOf(body));
    std::vector<DWORD> sizes = TakeReadSizes();
    ASSERT_GE(sizes.size(), 11u);
    EXPECT_EQ(sizes, std::vector<DWORD>(sizes.size(), rt::commands::kLargestReadSize));
}

TEST_F(HttpReadTest, AClosedPortGivesTheEmptyByteSetAndTheNextRequestStillWorks)
{
    EXPECT_TRUE(HttpRead("http://127.0.0.1:" + std::to_string(test::ClosedPort()) + "/rjdown/kpfx.txt").empty());
    TestHttpServer server(ServerBehaviour::kAnswer, HttpAnswer("HTTP/1.0 200 OK", {"Content-Length: 4"}, "next"));
    EXPECT_EQ(HttpRead(server.url("/rjdown/kpfx.txt")), BytesOf("next"));
}

TEST_F(HttpReadTest, URLsThatCannotBeRequestedGiveTheEmptyByteSetAtOnce)
{
    const std::string urls[] = {"", "#fragment", "not a url", "ftp://127.0.0.1/file", "http://", "mailto:a@b.c"};
    for (const std::string& url : urls) {
        EXPECT_TRUE(HttpRead(url).empty()) << url;
    }
    EXPECT_TRUE(HttpRead(rt::ValueTriple{}).empty()) << "no URL";
    EXPECT_TRUE(HttpRead(rt::MakeInt(0x1234)).empty()) << "a number is no URL, never a pointer";
    EXPECT_TRUE(TakeReadSizes().empty());
}

TEST_F(HttpReadTest, ClosingTheRootAtShutDownLeavesLaterRequestsWorking)
{
    TestHttpServer server(ServerBehaviour::kAnswer, HttpAnswer("HTTP/1.0 200 OK", {"Content-Length: 2"}, "ok"));
    ASSERT_EQ(HttpRead(server.url("/a")), BytesOf("ok"));
    HINTERNET root = rt::commands::Internet().Root();
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(HttpRead(server.url("/b")), BytesOf("ok"));
    EXPECT_EQ(rt::commands::Internet().Root(), root) << "one root handle for every request";
    rt::commands::kInternetLibrary.notify(rt::kNotifyFinishing, 0, 0);
    EXPECT_EQ(HttpRead(server.url("/c")), BytesOf("ok")) << "a request after it opens a new root";
}

// Servers that misbehave: the program goes on, its memory is held to the body limit, and the next
// request works.
class MisbehavingServerTest : public HttpReadTest {
protected:
    void ExpectNextRequestWorks()
    {
        TestHttpServer good(ServerBehaviour::kAnswer, HttpAnswer("HTTP/1.0 200 OK", {"Content-Length: 4"}, "good"));
        EXPECT_EQ(HttpRead(good.url("/next")), BytesOf("good"));
    }
};

TEST_F(MisbehavingServerTest, AServerThatNeverAnswersHoldsOnlyTheReadingThread)
{
    std::future<std::vector<uint8_t>> body;
    {
        TestHttpServer silent(ServerBehaviour::kSilent, "");
        std::string url = silent.url("/rjdown/kpfx.txt");
        body = std::async(std::launch::async, [url] { return HttpRead(url); });
        ASSERT_TRUE(silent.waitForRequests(1));
        EXPECT_EQ(body.wait_for(std::chrono::milliseconds(0)), std::future_status::timeout);
    }
    ASSERT_EQ(body.wait_for(kWait), std::future_status::ready) << "the read ends when the server lets go";
    EXPECT_TRUE(body.get().empty());
    ExpectNextRequestWorks();
}

// The program shuts down while its notice thread still waits for a server that never answers:
// closing the root does not wait for that request, which ends on its own once the server lets go.
TEST_F(MisbehavingServerTest, ShutDownDoesNotWaitForARequestThatWaits)
{
    std::future<std::vector<uint8_t>> body;
    {
        TestHttpServer silent(ServerBehaviour::kSilent, "");
        std::string url = silent.url("/rjdown/kpfx.txt");
        body = std::async(std::launch::async, [url] { return HttpRead(url); });
        ASSERT_TRUE(silent.waitForRequests(1));
        std::future<void> closed =
            std::async(std::launch::async, [] { rt::commands::kInternetLibrary.notify(rt::kNotifyFinishing, 0, 0); });
        EXPECT_EQ(closed.wait_for(kWait), std::future_status::ready) << "closing the root waits for the server";
    }
    ASSERT_EQ(body.wait_for(kWait), std::future_status::ready);
    EXPECT_TRUE(body.get().empty());
    ExpectNextRequestWorks();
}

TEST_F(MisbehavingServerTest, GarbageInsteadOfAnAnswerGivesAtMostTheGarbage)
{
    std::string garbage = Body(3000);
    for (size_t i = 0; i < garbage.size(); i += 7) {
        garbage[i] = static_cast<char>(i * 31);
    }
    TestHttpServer server(ServerBehaviour::kAnswer, garbage);
    EXPECT_LE(HttpRead(server.url("/rjdown/kpfx.txt")).size(), garbage.size());
    ExpectNextRequestWorks();
}

TEST_F(MisbehavingServerTest, AnEndlessBodyIsCutAtTheLimit)
{
    TestHttpServer server(ServerBehaviour::kEndless, "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n");
    std::vector<uint8_t> body = HttpRead(server.url("/endless"));
    EXPECT_EQ(body.size(), rt::commands::kBodyLimit);
    EXPECT_EQ(body, std::vector<uint8_t>(rt::commands::kBodyLimit, 'x'));
    std::vector<DWORD> sizes = TakeReadSizes();
    EXPECT_EQ(sizes, std::vector<DWORD>(sizes.size(), rt::commands::kReadSizeWithoutLength));
    ExpectNextRequestWorks();
}

// Wine's WinINet reads what is left of a stated length when the request is closed, so the length
// stays moderate here; the body itself has no end.
TEST_F(MisbehavingServerTest, AnEndlessBodyBehindALengthAboveTheLimitIsCutAtTheLimit)
{
    TestHttpServer server(ServerBehaviour::kEndless, "HTTP/1.0 200 OK\r\nContent-Length: 10000000\r\n\r\n");
    EXPECT_EQ(HttpRead(server.url("/endless")).size(), rt::commands::kBodyLimit);
    std::vector<DWORD> sizes = TakeReadSizes();
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes, std::vector<DWORD>(sizes.size(), rt::commands::kLargestReadSize));
    ExpectNextRequestWorks();
}

// Blocks above 200,000 bytes are refused: the body grows in reads of 10,240 bytes to 19 of them,
// the 20th does not fit.
void* RefuseLargeBlocks(size_t size) { return size > 200000 ? nullptr : rt::DefaultHeapBackend().allocate(size); }

TEST_F(MisbehavingServerTest, ARefusedAllocationEndsTheTransferWithWhatWasReceived)
{
    TestHttpServer server(ServerBehaviour::kEndless, "HTTP/1.0 200 OK\r\n\r\n");
    rt::HeapBackend refusing = rt::DefaultHeapBackend();
    refusing.allocate = RefuseLargeBlocks;
    rt::SetHeapBackend(refusing);
    std::vector<uint8_t> body = HttpRead(server.url("/endless"));
    rt::SetHeapBackend(rt::DefaultHeapBackend());
    EXPECT_EQ(body.size(), 19u * rt::commands::kReadSizeWithoutLength);
    ExpectNextRequestWorks();
}

}  // namespace
