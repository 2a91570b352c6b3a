#include "client/app/tests/LoopbackServer.h"

#include <ws2tcpip.h>

namespace publishertest {

LoopbackServer::LoopbackServer(unsigned short port) {
    WSADATA data;
    if (::WSAStartup(MAKEWORD(2, 2), &data) != 0) return;
    listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (listener_ == INVALID_SOCKET) return;
    BOOL reuse = TRUE;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof reuse);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = ::htons(port);
    address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 16) != 0) {
        ::closesocket(listener_);
        listener_ = INVALID_SOCKET;
        return;
    }
    thread_ = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
    stopping_ = true;
    if (listener_ != INVALID_SOCKET) ::closesocket(listener_);  // ends the blocking accept
    if (thread_.joinable()) thread_.join();
    ::WSACleanup();
}

std::vector<std::string> LoopbackServer::requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

size_t LoopbackServer::count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_.size();
}

void LoopbackServer::serve() {
    try {
        while (!stopping_) {
            SOCKET client = ::accept(listener_, nullptr, nullptr);
            if (client == INVALID_SOCKET) {
                if (stopping_) break;
                continue;
            }
            answer(client);
            ::closesocket(client);
        }
    } catch (...) {
    }
}

void LoopbackServer::answer(SOCKET client) {
    // Read the whole request head (up to the empty line).
    std::string head;
    char buffer[2048];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
        int n = ::recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        head.append(buffer, static_cast<size_t>(n));
    }
    size_t end = head.find("\r\n");
    if (end == std::string::npos) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(head.substr(0, end));
    }
    static const char reply[] =
        "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: 13\r\nConnection: close\r\n\r\n"
        "<html></html>";
    ::send(client, reply, sizeof reply - 1, 0);
    ::shutdown(client, SD_SEND);
}

}  // namespace publishertest
