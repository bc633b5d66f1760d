// One thread accepts connections one at a time: the program asks for a few small files.
#include "tools/splitter_driver/notice_server.h"

#include <ws2tcpip.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "tools/automation/wait.h"
#include "tools/splitter_driver/driver_error.h"

namespace splitter {
namespace {

constexpr DWORD kAcceptPollMs = 50;
constexpr DWORD kClientTimeoutMs = 3000;
constexpr size_t kMaxRequestBytes = 16384;

std::string ContentType(const std::string& path)
{
    return path.size() >= 5 && path.compare(path.size() - 5, 5, ".html") == 0 ? "text/html" : "text/plain";
}

// The target of "GET TARGET HTTP/1.x"; empty for anything else.
std::string RequestTarget(const std::string& request)
{
    if (request.compare(0, 4, "GET ") != 0) {
        return {};
    }
    const size_t end = request.find(' ', 4);
    return end == std::string::npos ? std::string() : request.substr(4, end - 4);
}

std::string ReadRequestHead(SOCKET client)
{
    std::string request;
    char chunk[2048];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < kMaxRequestBytes) {
        const int received = recv(client, chunk, sizeof chunk, 0);
        if (received <= 0) {
            break;
        }
        request.append(chunk, static_cast<size_t>(received));
    }
    return request;
}

void SendAll(SOCKET client, const std::string& bytes)
{
    for (size_t sent = 0; sent < bytes.size();) {
        const int now = send(client, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (now <= 0) {
            return;
        }
        sent += static_cast<size_t>(now);
    }
}

}  // namespace

NoticeServer::NoticeServer(std::map<std::string, std::string> bodies) : bodies_(std::move(bodies))
{
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        throw DriverError(L"no sockets for the notice server");
    }
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof address;
    if (listener_ == INVALID_SOCKET || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, SOMAXCONN) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (listener_ != INVALID_SOCKET) {
            closesocket(listener_);
        }
        WSACleanup();
        throw DriverError(L"the notice server cannot listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

NoticeServer::~NoticeServer()
{
    stopping_ = true;
    thread_.join();
    closesocket(listener_);
    WSACleanup();
}

std::string NoticeServer::host() const { return "127.0.0.1:" + std::to_string(port_); }

std::vector<std::string> NoticeServer::requests() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

bool NoticeServer::WaitForRequest(const std::string& target, DWORD timeoutMs) const
{
    return automation::WaitFor(timeoutMs, [&] {
        const std::vector<std::string> seen = requests();
        return std::find(seen.begin(), seen.end(), target) != seen.end();
    });
}

void NoticeServer::Serve()
{
    while (!stopping_) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(listener_, &readable);
        timeval wait{0, static_cast<long>(kAcceptPollMs * 1000)};
        if (select(0, &readable, nullptr, nullptr, &wait) != 1) {
            continue;
        }
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client != INVALID_SOCKET) {
            Answer(client);
            closesocket(client);
        }
    }
}

void NoticeServer::Answer(SOCKET client)
{
    const DWORD timeout = kClientTimeoutMs;
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    const std::string target = RequestTarget(ReadRequestHead(client));
    if (target.empty()) {
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(target);
    }
    const std::string path = target.substr(0, target.find('?'));
    auto body = bodies_.find(path);
    if (body == bodies_.end()) {
        SendAll(client, "HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    } else {
        SendAll(client, "HTTP/1.0 200 OK\r\nContent-Type: " + ContentType(path) + "\r\nContent-Length: " +
                            std::to_string(body->second.size()) + "\r\nConnection: close\r\n\r\n" + body->second);
    }
    shutdown(client, SD_SEND);
}

std::map<std::string, std::string> BodiesFromFolder(const std::filesystem::path& root)
{
    std::map<std::string, std::string> bodies;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(root, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file()) {
            continue;
        }
        std::ifstream file(it->path(), std::ios::binary);
        std::string relative = std::filesystem::relative(it->path(), root).generic_string();
        bodies["/" + relative] = std::string(std::istreambuf_iterator<char>(file), {});
    }
    return bodies;
}

}  // namespace splitter
