#pragma once
// A small HTTP server on 127.0.0.1 for tests: it records every request's raw bytes and answers
// the n-th connection with the n-th scripted behaviour (the last one repeats). It runs on its own
// thread from construction to destruction; the destructor stops it and joins.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace testing_support {

struct Behaviour {
    std::string bytes;              // sent first, as they are
    std::size_t fillerBytes = 0;    // then this many 'x' bytes, streamed in pieces
    int pauseMs = 0;                // pause between pieces (a slow server)
    bool reset = false;             // end with a connection reset instead of a normal close
    bool hang = false;              // after sending, keep the connection open until stopped
};

Behaviour Respond(std::string bytes);
// A full response: status line, the given headers, Connection: close, then the body.
Behaviour Http(int status, std::string headers, std::string body);
Behaviour Http(int status, std::string body);  // with a matching Content-Length
Behaviour ResetAfter(std::string bytes);
Behaviour NeverAnswer();
Behaviour Slowly(std::string bytes, int pauseMs);  // one byte at a time
Behaviour Redirect(std::string location);

class ScriptedServer {
public:
    explicit ScriptedServer(std::vector<Behaviour> script);
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    bool Listening() const { return listener_ != ~std::uintptr_t{0}; }
    int Port() const { return port_; }
    std::string Url(std::string_view target) const;  // "http://127.0.0.1:<port>" + target
    std::vector<std::string> Requests() const;       // raw request bytes, in arrival order

private:
    void Run();
    void Serve(std::uintptr_t connection, const Behaviour& behaviour);
    bool Wait(std::uintptr_t socket, int ms) const;  // readable within ms, or stopping

    std::vector<Behaviour> script_;
    std::uintptr_t listener_ = ~std::uintptr_t{0};
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex lock_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

}  // namespace testing_support
