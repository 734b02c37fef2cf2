#include "net/fetch_text.h"

#include <windows.h>
#include <wininet.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "net/fetch_client_stats.h"

namespace {

constexpr char UserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr char AcceptEntry[] = "Accept: */* \r\n";
constexpr char ExtraHeaders[] = "Accept: */*\r\n\r\n";

// Without explicit limits a server that accepts and never answers would hold the caller (the
// window thread, for the link map) for as long as the HTTP layer's defaults allow, which can be
// minutes. 5 s each is far beyond what a local or nearby server needs for one small answer.
constexpr DWORD ConnectTimeoutMs = 5000;
constexpr DWORD SendTimeoutMs = 5000;
constexpr DWORD ReceiveTimeoutMs = 5000;

constexpr DWORD LargestChunk = 102400;
constexpr DWORD DefaultChunk = 10240;

struct InternetHandleCloser {
    void operator()(HINTERNET h) const { if (h) InternetCloseHandle(h); }
};
using UniqueInternet = std::unique_ptr<void, InternetHandleCloser>;

void SetTimeouts(HINTERNET h) {
    DWORD connect = ConnectTimeoutMs, send = SendTimeoutMs, receive = ReceiveTimeoutMs;
    InternetSetOptionA(h, INTERNET_OPTION_CONNECT_TIMEOUT, &connect, sizeof connect);
    InternetSetOptionA(h, INTERNET_OPTION_SEND_TIMEOUT, &send, sizeof send);
    InternetSetOptionA(h, INTERNET_OPTION_RECEIVE_TIMEOUT, &receive, sizeof receive);
}

// The context is shared by every fetch on every thread and never closed: a static destructor
// closing it at exit could pull it from under a refresh worker that is still fetching. The
// process end releases it.
struct ClientContext {
    std::mutex lock;
    HINTERNET handle = nullptr;
    int creations = 0;
};

ClientContext& Client() {
    static ClientContext* const client = new ClientContext;
    return *client;
}

// A failed creation leaves the context absent, so the next fetch tries again.
HINTERNET SharedClient() {
    ClientContext& client = Client();
    std::lock_guard<std::mutex> guard(client.lock);
    if (!client.handle) {
        client.handle = InternetOpenA(UserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
        if (client.handle) {
            ++client.creations;
            SetTimeouts(client.handle);
        }
    }
    return client.handle;
}

struct ParsedUrl {
    bool secure = false;
    std::string host, user, password, target;
    INTERNET_PORT port = 0;
};

std::optional<std::string> Canonical(const std::string& url) {
    std::string out(url.size() * 3 + 64, '\0');
    DWORD size = static_cast<DWORD>(out.size());
    if (!InternetCanonicalizeUrlA(url.c_str(), out.data(), &size, ICU_NO_ENCODE)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
        out.assign(size + 1, '\0');
        size = static_cast<DWORD>(out.size());
        if (!InternetCanonicalizeUrlA(url.c_str(), out.data(), &size, ICU_NO_ENCODE))
            return std::nullopt;
    }
    out.resize(size);
    return out;
}

std::optional<ParsedUrl> ParseUrl(const std::string& url) {
    std::optional<std::string> canonical = Canonical(url);
    if (!canonical) return std::nullopt;
    // Zero pointers with non-zero lengths ask for pointers into the cracked text.
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwSchemeLength = parts.dwHostNameLength = parts.dwUserNameLength = 1;
    parts.dwPasswordLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;
    if (!InternetCrackUrlA(canonical->c_str(), static_cast<DWORD>(canonical->size()), 0, &parts))
        return std::nullopt;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)
        return std::nullopt;
    auto piece = [](const char* p, DWORD n) { return p ? std::string(p, n) : std::string(); };
    ParsedUrl parsed;
    parsed.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    parsed.host = piece(parts.lpszHostName, parts.dwHostNameLength);
    if (parsed.host.empty()) return std::nullopt;
    parsed.user = piece(parts.lpszUserName, parts.dwUserNameLength);
    parsed.password = piece(parts.lpszPassword, parts.dwPasswordLength);
    parsed.port = parts.nPort;
    parsed.target = piece(parts.lpszUrlPath, parts.dwUrlPathLength) +
                    piece(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    parsed.target = parsed.target.substr(0, parsed.target.find('#'));
    if (parsed.target.empty()) parsed.target = "/";
    return parsed;
}

// The Content-Length header, if present and a plain decimal number.
std::optional<std::int64_t> ContentLength(HINTERNET request) {
    char buffer[32] = {};
    DWORD size = sizeof buffer;
    if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, buffer, &size, nullptr)) return std::nullopt;
    std::int64_t value = 0;
    DWORD i = 0;
    for (; i < size && buffer[i] >= '0' && buffer[i] <= '9'; ++i) {
        value = value * 10 + (buffer[i] - '0');
        if (value > MaxBodyBytes) value = MaxBodyBytes + 1;  // large enough to refuse, no overflow
    }
    if (i == 0 || i != size) return std::nullopt;
    return value;
}

DWORD ChunkSize(std::optional<std::int64_t> length) {
    if (!length || *length <= 0) return DefaultChunk;
    if (*length + 1 > LargestChunk) return LargestChunk;
    return static_cast<DWORD>(*length + 1);
}

const char* OrNull(const std::string& s) { return s.empty() ? nullptr : s.c_str(); }

}  // namespace

int FetchClientContextCreations() {
    ClientContext& client = Client();
    std::lock_guard<std::mutex> guard(client.lock);
    return client.creations;
}

Text FetchText(std::string_view url) {
    if (url.empty()) return {};
    std::string cut(url.substr(0, url.find('#')));
    std::optional<ParsedUrl> parsed = ParseUrl(cut);
    if (!parsed) return {};
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
    if (parsed->secure) flags |= INTERNET_FLAG_SECURE;

    HINTERNET client = SharedClient();
    if (!client) return {};
    UniqueInternet connection(InternetConnectA(client, parsed->host.c_str(), parsed->port,
                                               OrNull(parsed->user), OrNull(parsed->password),
                                               INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return {};
    // Whatever the system's proxy setting says applies; the program configures none of its own.
    INTERNET_PROXY_INFO proxy{INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr};
    InternetSetOptionA(client, INTERNET_OPTION_PROXY, &proxy, sizeof proxy);
    char empty[] = "";
    InternetSetOptionA(connection.get(), INTERNET_OPTION_PROXY_USERNAME, empty, 0);
    InternetSetOptionA(connection.get(), INTERNET_OPTION_PROXY_PASSWORD, empty, 0);

    const char* accept[] = {AcceptEntry, nullptr};
    UniqueInternet request(HttpOpenRequestA(connection.get(), "GET", parsed->target.c_str(),
                                            "HTTP/1.0", nullptr, accept, flags, 0));
    if (!request) return {};
    // Again on the request: Wine ignores the limits set on the client context (a silent server
    // then holds the fetch for minutes), and honours them here.
    SetTimeouts(request.get());
    if (!HttpSendRequestA(request.get(), ExtraHeaders, static_cast<DWORD>(sizeof ExtraHeaders - 1),
                          nullptr, 0))
        return {};

    std::optional<std::int64_t> length = ContentLength(request.get());
    if (length && *length > MaxBodyBytes) return {};
    std::string body;
    if (length) body.reserve(static_cast<std::size_t>(*length));
    std::string chunk(ChunkSize(length), '\0');
    for (;;) {
        DWORD read = 0;
        // A failed read means the body was cut: part of a feed or link map is worse than none.
        if (!InternetReadFile(request.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read))
            return {};
        if (read == 0) break;
        body.append(chunk.data(), read);
        if (static_cast<long long>(body.size()) > MaxBodyBytes) return {};
    }
    if (length && static_cast<std::int64_t>(body.size()) < *length) return {};
    return BytesToText(std::move(body));
}
