#include "halvix/ReplyMemoryPool.h"

#include <new>

namespace corvane {

ReplyMemoryPool::~ReplyMemoryPool()
{
    for (Node* list : {taken_, given_.load(std::memory_order_acquire)}) {
        while (list != nullptr) {
            Node* next = list->next;
            list->~Node();
            ::operator delete(list);
            list = next;
        }
    }
}

void* ReplyMemoryPool::Take()
{
    if (taken_ == nullptr)
        taken_ = given_.exchange(nullptr, std::memory_order_acquire);
    if (taken_ == nullptr)
        return ::operator new(kBlockSize);
    Node* node = taken_;
    taken_ = node->next;
    node->~Node();
    kept_.fetch_sub(1, std::memory_order_relaxed);
    return node;
}

void ReplyMemoryPool::Give(void* block)
{
    if (kept_.fetch_add(1, std::memory_order_relaxed) >= kMaxKept) {
        kept_.fetch_sub(1, std::memory_order_relaxed);
        ::operator delete(block);
        return;
    }
    auto* node = new (block) Node{given_.load(std::memory_order_relaxed)};
    while (!given_.compare_exchange_weak(node->next, node, std::memory_order_release, std::memory_order_relaxed)) {}
}

}  // namespace corvane
