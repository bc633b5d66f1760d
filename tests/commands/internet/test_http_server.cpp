#include "test_http_server.h"

#include <ws2tcpip.h>

#include <algorithm>
#include <cctype>

namespace test {
namespace {

constexpr int kPollMs = 20;
constexpr size_t kLargestHead = 64 * 1024;
constexpr DWORD kWaitMs = 10000;

// Winsock for as long as one of its users lives.
class WinsockUse {
public:
    WinsockUse()
    {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockUse() { WSACleanup(); }
};

// True when the socket can be read (or written) within kPollMs.
bool Ready(SOCKET socket, bool forWriting)
{
    fd_set set;
    FD_ZERO(&set);
    FD_SET(socket, &set);
    timeval wait{0, kPollMs * 1000};
    int ready = forWriting ? select(0, nullptr, &set, nullptr, &wait) : select(0, &set, nullptr, nullptr, &wait);
    return ready > 0;
}

SOCKET ListenOnLoopback(uint16_t& port)
{
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof address;
    if (listener == INVALID_SOCKET || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 4) != 0 || getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(listener);
        return INVALID_SOCKET;
    }
    port = ntohs(address.sin_port);
    return listener;
}

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string Trimmed(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t");
    size_t last = text.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

RecordedRequest ParseHead(const std::string& head)
{
    RecordedRequest request;
    size_t start = 0;
    for (size_t end = head.find("\r\n"); end != std::string::npos && end > start; end = head.find("\r\n", start)) {
        std::string line = head.substr(start, end - start);
        if (request.requestLine.empty()) {
            request.requestLine = line;
        } else {
            request.headerLines.push_back(line);
        }
        start = end + 2;
    }
    return request;
}

WinsockUse& Winsock()
{
    static WinsockUse use;
    return use;
}

}  // namespace

std::optional<std::string> RecordedRequest::header(const std::string& name) const
{
    for (const std::string& line : headerLines) {
        size_t colon = line.find(':');
        if (colon != std::string::npos && Lowered(Trimmed(line.substr(0, colon))) == Lowered(name)) {
            return Trimmed(line.substr(colon + 1));
        }
    }
    return std::nullopt;
}

int RecordedRequest::count(const std::string& name) const
{
    int found = 0;
    for (const std::string& line : headerLines) {
        size_t colon = line.find(':');
        if (colon != std::string::npos && Lowered(Trimmed(line.substr(0, colon))) == Lowered(name)) {
            ++found;
        }
    }
    return found;
}

TestHttpServer::TestHttpServer(ServerBehaviour behaviour, std::string answer)
    : behaviour_(behaviour), answer_(std::move(answer))
{
    Winsock();
    listener_ = ListenOnLoopback(port_);
    if (listener_ != INVALID_SOCKET) {
        thread_ = std::thread([this] { serve(); });
    }
}

TestHttpServer::~TestHttpServer()
{
    stopping_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    closesocket(listener_);
}

std::string TestHttpServer::url(const std::string& object) const
{
    return "http://127.0.0.1:" + std::to_string(port_) + object;
}

std::vector<RecordedRequest> TestHttpServer::requests() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

bool TestHttpServer::waitForRequests(size_t count) const
{
    ULONGLONG end = GetTickCount64() + kWaitMs;
    while (requests().size() < count) {
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(kPollMs);
    }
    return true;
}

void TestHttpServer::serve()
{
    while (!stopping_) {
        if (!Ready(listener_, false)) {
            continue;
        }
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client != INVALID_SOCKET) {
            handle(client);
            closesocket(client);
        }
    }
}

void TestHttpServer::handle(SOCKET client)
{
    std::optional<RecordedRequest> request = readHead(client);
    if (!request) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(*request);
    }
    switch (behaviour_) {
    case ServerBehaviour::kAnswer:
        sendAll(client, answer_);
        shutdown(client, SD_SEND);
        break;
    case ServerBehaviour::kSilent:
        holdUntilStopped(client);
        break;
    case ServerBehaviour::kEndless: {
        const std::string chunk(64 * 1024, 'x');
        for (bool sending = sendAll(client, answer_); sending && !stopping_;) {
            sending = sendAll(client, chunk);
        }
        break;
    }
    }
}

std::optional<RecordedRequest> TestHttpServer::readHead(SOCKET client) const
{
    std::string head;
    while (!stopping_ && head.size() < kLargestHead) {
        if (!Ready(client, false)) {
            continue;
        }
        char buffer[4096];
        int got = recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) {
            return std::nullopt;
        }
        head.append(buffer, static_cast<size_t>(got));
        if (size_t end = head.find("\r\n\r\n"); end != std::string::npos) {
            return ParseHead(head.substr(0, end + 2));
        }
    }
    return std::nullopt;
}

bool TestHttpServer::sendAll(SOCKET client, const std::string& bytes) const
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        if (stopping_) {
            return false;
        }
        if (!Ready(client, true)) {
            continue;
        }
        int count =
            send(client, bytes.data() + sent, static_cast<int>(std::min<size_t>(bytes.size() - sent, 65536)), 0);
        if (count <= 0) {
            return false;
        }
        sent += static_cast<size_t>(count);
    }
    return true;
}

void TestHttpServer::holdUntilStopped(SOCKET client) const
{
    while (!stopping_) {
        if (Ready(client, false)) {
            char buffer[256];
            if (recv(client, buffer, sizeof buffer, 0) <= 0) {
                return;
            }
        }
    }
}

uint16_t ClosedPort()
{
    Winsock();
    uint16_t port = 0;
    closesocket(ListenOnLoopback(port));
    return port;
}

std::string HttpAnswer(const std::string& statusLine, const std::vector<std::string>& headerLines,
                       const std::string& body)
{
    std::string answer = statusLine + "\r\n";
    for (const std::string& line : headerLines) {
        answer += line + "\r\n";
    }
    return answer + "\r\n" + body;
}

}  // namespace test
