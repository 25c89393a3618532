#pragma once

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <vector>

namespace corvane::bench {

// A bare TCP connection over loopback with a serving thread, the yardstick
// the link benchmarks measure against. In ping-pong form the server answers
// every block of blockSize bytes with answerSize bytes; in stream form it
// answers an 8-byte count with that many bytes, written in chunks of
// blockSize. Blocking sockets, no framing, no checks.
class LoopbackPeer {
public:
    enum class Shape { PingPong, Stream };

    LoopbackPeer(Shape shape, std::size_t blockSize, std::size_t answerSize = 0)
        : shape_(shape), blockSize_(blockSize), answerSize_(answerSize)
    {
        const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (listener < 0 || ::bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0
            || ::listen(listener, 1) != 0 || ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            throw std::runtime_error("no loopback listener");
        client_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (client_ < 0 || ::connect(client_, reinterpret_cast<sockaddr*>(&address), size) != 0)
            throw std::runtime_error("no loopback connection");
        server_ = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        ::close(listener);
        if (server_ < 0)
            throw std::runtime_error("no loopback connection");
        const int noDelay = 1;
        ::setsockopt(client_, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
        ::setsockopt(server_, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
        thread_ = std::thread([this] { Serve(); });
    }

    ~LoopbackPeer()
    {
        ::shutdown(client_, SHUT_RDWR);
        thread_.join();
        ::close(client_);
        ::close(server_);
    }

    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    // Ping-pong: sends one block and waits for its answer.
    void Exchange(const std::vector<std::uint8_t>& block, std::vector<std::uint8_t>& answer)
    {
        Send(client_, block.data(), block.size());
        Receive(client_, answer.data(), answerSize_);
    }

    // Stream: asks for count bytes and reads them in chunks of blockSize.
    void Fetch(std::uint64_t count, std::vector<std::uint8_t>& chunk)
    {
        Send(client_, &count, sizeof count);
        chunk.resize(blockSize_);
        while (count > 0) {
            const ssize_t got = ::recv(client_, chunk.data(), std::min<std::uint64_t>(count, chunk.size()), 0);
            if (got <= 0)
                throw std::runtime_error("loopback stream ended");
            count -= static_cast<std::uint64_t>(got);
        }
    }

private:
    static void Send(int fd, const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        while (size > 0) {
            const ssize_t sent = ::send(fd, bytes, size, MSG_NOSIGNAL);
            if (sent <= 0)
                throw std::runtime_error("loopback send failed");
            bytes += sent;
            size -= static_cast<std::size_t>(sent);
        }
    }

    static bool Receive(int fd, void* data, std::size_t size)
    {
        auto* bytes = static_cast<std::uint8_t*>(data);
        while (size > 0) {
            const ssize_t got = ::recv(fd, bytes, size, 0);
            if (got <= 0)
                return false;
            bytes += got;
            size -= static_cast<std::size_t>(got);
        }
        return true;
    }

    void Serve()
    {
        std::vector<std::uint8_t> block(blockSize_);
        const std::vector<std::uint8_t> answer(answerSize_, 0x5A);
        try {
            if (shape_ == Shape::PingPong) {
                while (Receive(server_, block.data(), block.size()))
                    Send(server_, answer.data(), answer.size());
                return;
            }
            std::uint64_t count = 0;
            while (Receive(server_, &count, sizeof count)) {
                while (count > 0) {
                    const std::size_t part = static_cast<std::size_t>(std::min<std::uint64_t>(count, block.size()));
                    Send(server_, block.data(), part);
                    count -= part;
                }
            }
        } catch (const std::runtime_error&) {
            // The client closed its end.
        }
    }

    const Shape shape_;
    const std::size_t blockSize_;
    const std::size_t answerSize_;
    int client_ = -1;
    int server_ = -1;
    std::thread thread_;
};

}  // namespace corvane::bench
