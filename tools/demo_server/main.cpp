// Demo data server: serves the feed, the link map, the handicap notes and a home page on
// 127.0.0.1, one request per connection, HTTP/1.0 style. Usage: demo_server [--port N]
#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "demo_data.h"

namespace {

struct Socket {
    SOCKET s = INVALID_SOCKET;
    explicit Socket(SOCKET socket) : s(socket) {}
    ~Socket() { if (s != INVALID_SOCKET) closesocket(s); }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
};

struct Winsock {
    bool ok;
    Winsock() { WSADATA data; ok = WSAStartup(MAKEWORD(2, 2), &data) == 0; }
    ~Winsock() { if (ok) WSACleanup(); }
};

const char* Reason(int status) {
    switch (status) {
        case 200: return "OK";
        case 400: return "Bad Request";
        default: return "Not Found";
    }
}

bool SendAll(SOCKET s, const std::string& bytes) {
    for (std::size_t sent = 0; sent < bytes.size();) {
        int n = send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

void Serve(SOCKET s) {
    // A client that connects and says nothing must not hold the server.
    DWORD timeoutMs = 3000;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeoutMs), sizeof timeoutMs);
    setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeoutMs), sizeof timeoutMs);
    std::string request;
    char buffer[2048];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
        int n = recv(s, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    const std::string line = request.substr(0, request.find("\r\n"));
    const std::size_t space1 = line.find(' ');
    const std::size_t space2 = line.find(' ', space1 == std::string::npos ? line.size() : space1 + 1);
    const std::string method = line.substr(0, space1);
    std::string target;
    demo::Answer answer;
    if (space1 == std::string::npos || space2 == std::string::npos) {
        answer = {400, "text/plain; charset=gbk", "bad request\r\n"};
    } else {
        target = line.substr(space1 + 1, space2 - space1 - 1);
        answer = demo::AnswerFor(target, static_cast<std::int64_t>(std::time(nullptr)));
    }
    std::string head = "HTTP/1.0 " + std::to_string(answer.status) + " " + Reason(answer.status) +
                       "\r\nContent-Type: " + answer.contentType +
                       "\r\nContent-Length: " + std::to_string(answer.body.size()) +
                       "\r\nCache-Control: no-cache\r\nConnection: close\r\n\r\n";
    bool sent = SendAll(s, method == "HEAD" ? head : head + answer.body);
    shutdown(s, SD_SEND);

    std::time_t now = std::time(nullptr);
    char stamp[16];
    std::strftime(stamp, sizeof stamp, "%H:%M:%S", std::localtime(&now));
    std::printf("%s %s %s %d %zu%s\n", stamp, method.empty() ? "-" : method.c_str(),
                target.empty() ? "-" : target.c_str(), answer.status, answer.body.size(),
                sent ? "" : " (send failed)");
    std::fflush(stdout);
}

int Usage() {
    std::fprintf(stderr, "usage: demo_server [--port N]   (default port 80, on 127.0.0.1 only)\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int port = 80;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--port" && i + 1 < argc) {
            char* end = nullptr;
            long value = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || value < 1 || value > 65535) return Usage();
            port = static_cast<int>(value);
        } else {
            return Usage();
        }
    }

    Winsock winsock;
    if (!winsock.ok) {
        std::fprintf(stderr, "demo_server: Winsock did not start\n");
        return 1;
    }
    Socket listener(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    BOOL exclusive = TRUE;
    setsockopt(listener.s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive),
               sizeof exclusive);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port));
    if (listener.s == INVALID_SOCKET ||
        bind(listener.s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener.s, SOMAXCONN) != 0) {
        std::fprintf(stderr,
                     "demo_server: cannot listen on 127.0.0.1:%d (error %d): the port is taken "
                     "or not permitted; try --port N\n",
                     port, WSAGetLastError());
        return 1;
    }
    std::printf("demo_server: serving http://127.0.0.1:%d/\n", port);
    std::fflush(stdout);
    for (;;) {
        Socket connection(accept(listener.s, nullptr, nullptr));
        if (connection.s == INVALID_SOCKET) continue;
        Serve(connection.s);
    }
}
