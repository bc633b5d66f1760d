#include "commands/internet/http_read.h"

#include <string>
#include <string_view>

#include "commands/core/command_args.h"
#include "commands/internet/body_reader.h"
#include "commands/internet/http_address.h"
#include "commands/internet/internet_handle.h"
#include "commands/internet/internet_state.h"
#include "runtime/trace.h"

namespace rt::commands {
namespace {

constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
constexpr char kExtraHeaders[] = "Accept: */*\r\n\r\n";
constexpr char kAcceptType[] = "Accept: */* \r\n";

InternetReadRoutine internetRead = InternetReadFile;

class RequestBody : public BodySource {
public:
    explicit RequestBody(HINTERNET request) : request_(request) {}

    bool Read(uint8_t* buffer, uint32_t size, uint32_t& received) override
    {
        DWORD count = 0;
        if (!internetRead(request_, buffer, size, &count)) {
            return false;
        }
        received = count;
        return true;
    }

private:
    HINTERNET request_;
};

// The content length as the answer's header gives it, in a 32-byte buffer; nothing without one.
uint32_t ReadSizeOf(HINTERNET request)
{
    char length[32] = {};
    DWORD size = sizeof length;
    if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, length, &size, nullptr)) {
        return ReadSizeFor(std::nullopt);
    }
    return ReadSizeFor(std::string_view(length, size < sizeof length ? size : 0));
}

const char* TextOrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

// A new byte set of the body, or null; every handle opened here is closed before it returns.
void* ReadUrlBody(std::string_view url)
{
    if (url.empty()) {
        return nullptr;
    }
    std::optional<HttpAddress> address = SplitHttpAddress(url);
    if (!address) {
        return nullptr;
    }
    HINTERNET root = Internet().Root();
    if (!root) {
        return nullptr;
    }
    InternetHandle connection(InternetConnectA(root, address->server.c_str(), address->port,
                                               TextOrNull(address->userName), TextOrNull(address->password),
                                               INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) {
        TraceLastError("HttpRead: InternetConnectA", address->server.c_str());
        return nullptr;
    }
    Internet().ApplyProxyOptions(connection.get());
    const char* acceptTypes[] = {kAcceptType, nullptr};
    DWORD flags = address->secure ? kRequestFlags | INTERNET_FLAG_SECURE : kRequestFlags;
    InternetHandle request(
        HttpOpenRequestA(connection.get(), "GET", address->object.c_str(), "HTTP/1.0", nullptr, acceptTypes, flags, 0));
    if (!request) {
        TraceLastError("HttpRead: HttpOpenRequestA", address->object.c_str());
        return nullptr;
    }
    if (!HttpSendRequestA(request.get(), kExtraHeaders, sizeof kExtraHeaders - 1, nullptr, 0)) {
        TraceLastError("HttpRead: HttpSendRequestA", std::string(url).c_str());
        return nullptr;
    }
    RequestBody body(request.get());
    return ReadBody(body, ReadSizeOf(request.get()));
}

}  // namespace

void HttpReadCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    *result = MakePointerValue(ReadUrlBody(TextOf(CommandArgs(argCount, args)[0])), kByteSet);
}

InternetReadRoutine ReplaceInternetRead(InternetReadRoutine routine)
{
    InternetReadRoutine previous = internetRead;
    internetRead = routine;
    return previous;
}

}  // namespace rt::commands
