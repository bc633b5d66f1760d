// A local web server standing in for the notice server: it answers GET requests on 127.0.0.1 at a
// free port with the bodies it was given, records what was asked, and stops with its owner.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace splitter {

class NoticeServer {
public:
    // Path ("/rjdown/kpfx.txt") to body; a query after the path is not part of it. Other paths are
    // answered 404. Throws DriverError when it cannot listen.
    explicit NoticeServer(std::map<std::string, std::string> bodies);
    NoticeServer(const NoticeServer&) = delete;
    NoticeServer& operator=(const NoticeServer&) = delete;
    ~NoticeServer();

    // "127.0.0.1:PORT", the form the program's settings take.
    std::string host() const;
    // The request targets (path and query) in the order they came.
    std::vector<std::string> requests() const;
    bool WaitForRequest(const std::string& target, DWORD timeoutMs) const;

private:
    void Serve();
    void Answer(SOCKET client);

    std::map<std::string, std::string> bodies_;
    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// Every file under root as a body, named by its path below root with forward slashes
// ("rjdown/kpfx.txt" serves "/rjdown/kpfx.txt").
std::map<std::string, std::string> BodiesFromFolder(const std::filesystem::path& root);

}  // namespace splitter
