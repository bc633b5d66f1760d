// A small HTTP server on 127.0.0.1 for the HttpRead tests, serving on a thread of its own, one
// connection at a time. It records the head (request line and header lines) of every request and
// answers as its behaviour says. Every wait inside it is bounded, and it stops when it goes away,
// closing any connection it still holds.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace test {

struct RecordedRequest {
    std::string requestLine;
    std::vector<std::string> headerLines;

    // The value of the first header of that name (compared without case), without surrounding blanks.
    std::optional<std::string> header(const std::string& name) const;
    int count(const std::string& name) const;
};

enum class ServerBehaviour {
    kAnswer,   // sends the answer bytes, then closes the connection
    kSilent,   // reads the request and never answers, until the server stops
    kEndless,  // sends the answer bytes, then body bytes without end until the client goes
};

class TestHttpServer {
public:
    TestHttpServer(ServerBehaviour behaviour, std::string answer);
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    uint16_t port() const { return port_; }
    std::string url(const std::string& object) const;
    std::vector<RecordedRequest> requests() const;
    // Waits (bounded) until this many requests have been recorded.
    bool waitForRequests(size_t count) const;

private:
    void serve();
    void handle(SOCKET client);
    std::optional<RecordedRequest> readHead(SOCKET client) const;
    bool sendAll(SOCKET client, const std::string& bytes) const;
    void holdUntilStopped(SOCKET client) const;

    ServerBehaviour behaviour_;
    std::string answer_;
    SOCKET listener_ = INVALID_SOCKET;
    uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<RecordedRequest> requests_;
    std::thread thread_;
};

// A port on 127.0.0.1 on which nothing listens.
uint16_t ClosedPort();

// A whole answer: status line, the header lines given, a blank line, the body.
std::string HttpAnswer(const std::string& statusLine, const std::vector<std::string>& headerLines,
                       const std::string& body);

}  // namespace test
