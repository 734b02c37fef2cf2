#include "scripted_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <string_view>

namespace testing_support {

Behaviour Respond(std::string bytes) { return Behaviour{std::move(bytes)}; }

Behaviour Http(int status, std::string headers, std::string body) {
    return Respond("HTTP/1.0 " + std::to_string(status) + " Scripted\r\n" + headers +
                   "Connection: close\r\n\r\n" + body);
}

Behaviour Http(int status, std::string body) {
    // The header is built before the body is moved into the call: the order in which
    // arguments are evaluated is unspecified.
    std::string length = "Content-Length: " + std::to_string(body.size()) + "\r\n";
    return Http(status, std::move(length), std::move(body));
}

Behaviour ResetAfter(std::string bytes) {
    Behaviour b = Respond(std::move(bytes));
    b.reset = true;
    return b;
}

Behaviour NeverAnswer() {
    Behaviour b;
    b.hang = true;
    return b;
}

Behaviour Slowly(std::string bytes, int pauseMs) {
    Behaviour b = Respond(std::move(bytes));
    b.pauseMs = pauseMs;
    return b;
}

Behaviour Redirect(std::string location) {
    return Http(302, "Location: " + location + "\r\nContent-Length: 0\r\n", "");
}

ScriptedServer::ScriptedServer(std::vector<Behaviour> script) : script_(std::move(script)) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int size = sizeof address;
    if (s == INVALID_SOCKET || bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(s, 8) != 0 || getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        if (s != INVALID_SOCKET) closesocket(s);
        return;
    }
    listener_ = s;
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Run(); });
}

ScriptedServer::~ScriptedServer() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
    if (Listening()) closesocket(listener_);
    WSACleanup();
}

std::string ScriptedServer::Url(std::string_view target) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(target);
}

std::vector<std::string> ScriptedServer::Requests() const {
    std::lock_guard<std::mutex> guard(lock_);
    return requests_;
}

// Short waits so that a stop request is seen promptly.
bool ScriptedServer::Wait(std::uintptr_t socket, int ms) const {
    // GetTickCount64, not <chrono>: its C++20 unit names do not survive the GBK literal charset.
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(ms);
    while (!stopping_) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(static_cast<SOCKET>(socket), &readable);
        timeval step{0, 20000};
        if (select(0, &readable, nullptr, nullptr, &step) > 0) return true;
        if (GetTickCount64() >= deadline) return false;
    }
    return false;
}

void ScriptedServer::Run() {
    std::size_t served = 0;
    while (!stopping_) {
        if (!Wait(listener_, 1000)) continue;
        SOCKET connection = accept(static_cast<SOCKET>(listener_), nullptr, nullptr);
        if (connection == INVALID_SOCKET) continue;
        const Behaviour& behaviour = script_[std::min(served, script_.size() - 1)];
        ++served;
        Serve(connection, behaviour);
        closesocket(connection);
    }
}

void ScriptedServer::Serve(std::uintptr_t connection, const Behaviour& behaviour) {
    SOCKET s = static_cast<SOCKET>(connection);
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && Wait(s, 5000)) {
        int n = recv(s, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, n);
    }
    {
        std::lock_guard<std::mutex> guard(lock_);
        requests_.push_back(request);
    }
    auto sendAll = [&](std::string_view bytes) {
        while (!bytes.empty() && !stopping_) {
            int n = send(s, bytes.data(), static_cast<int>(bytes.size()), 0);
            if (n <= 0) return false;
            bytes.remove_prefix(n);
        }
        return !stopping_;
    };
    auto pause = [&] {
        if (behaviour.pauseMs > 0) Wait(s, behaviour.pauseMs);  // also ends early if the client goes
    };
    bool ok = true;
    if (behaviour.pauseMs > 0) {
        for (std::size_t i = 0; ok && i < behaviour.bytes.size(); ++i) {
            ok = sendAll(std::string_view(behaviour.bytes).substr(i, 1));
            pause();
        }
    } else {
        ok = sendAll(behaviour.bytes);
    }
    const std::string piece(65536, 'x');
    for (std::size_t left = behaviour.fillerBytes; ok && left > 0;) {
        std::size_t n = std::min(left, piece.size());
        ok = sendAll(std::string_view(piece).substr(0, n));
        left -= n;
        pause();
    }
    if (behaviour.hang) {
        // Until stopped, or until the client gives up and closes.
        while (!stopping_) {
            if (Wait(s, 1000) && recv(s, buffer, sizeof buffer, 0) <= 0) break;
        }
    }
    if (behaviour.reset) {
        linger hard{1, 0};
        setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&hard), sizeof hard);
    } else {
        shutdown(s, SD_SEND);
    }
}

}  // namespace testing_support
