// A tiny HTTP server on 127.0.0.1 inside the test process: it records the
// request line of every request and answers each with an empty page.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace publishertest {

class LoopbackServer {
public:
    explicit LoopbackServer(unsigned short port);
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;
    ~LoopbackServer();

    bool listening() const { return listener_ != INVALID_SOCKET; }
    // Request lines ("GET /path HTTP/1.1") in the order they arrived.
    std::vector<std::string> requests() const;
    size_t count() const;

private:
    void serve();
    void answer(SOCKET client);

    SOCKET listener_ = INVALID_SOCKET;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

}  // namespace publishertest
