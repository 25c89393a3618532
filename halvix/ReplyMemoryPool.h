#pragma once

#include <atomic>
#include <cstddef>

namespace corvane {

// Blocks of one size for the replies a link thread makes, a download's
// blocks above all. The thread that frees a reply gives its block back
// without a lock, and the link thread takes it again, so a reply costs no
// call to the heap on either side and no thread frees into another's heap.
// At most kMaxKept blocks wait to be taken again; a block given back beyond
// that goes to the heap.
class ReplyMemoryPool {
public:
    static constexpr std::size_t kBlockSize = 1280;  // a download block's reply and more
    static constexpr std::size_t kMaxKept = 1024;

    ReplyMemoryPool() = default;
    ~ReplyMemoryPool();
    ReplyMemoryPool(const ReplyMemoryPool&) = delete;
    ReplyMemoryPool& operator=(const ReplyMemoryPool&) = delete;

    // A block of kBlockSize bytes, aligned as operator new aligns. Called by
    // one thread only, the link's.
    void* Take();
    // Gives back a block Take gave; from any thread.
    void Give(void* block);

private:
    struct Node {
        Node* next = nullptr;
    };

    std::atomic<Node*> given_{nullptr};  // given back, not yet seen by the taker
    std::atomic<std::size_t> kept_{0};   // blocks in both lists
    Node* taken_ = nullptr;              // the taker's own list, from given_ in one exchange
};

}  // namespace corvane
