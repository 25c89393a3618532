#include "halvix/ReplyMemoryPool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>
#include <vector>

namespace corvane {
namespace reply_memory_pool_test {
namespace {

std::vector<void*> TakeBlocks(ReplyMemoryPool& pool, std::size_t count)
{
    std::vector<void*> blocks;
    for (std::size_t i = 0; i < count; ++i)
        blocks.push_back(pool.Take());
    return blocks;
}

TEST(ReplyMemoryPoolTest, BlocksGivenBackFromAnotherThreadAreTakenAgain)
{
    ReplyMemoryPool pool;
    const std::vector<void*> first = TakeBlocks(pool, 5);
    for (void* block : first)
        std::fill_n(static_cast<unsigned char*>(block), ReplyMemoryPool::kBlockSize, 0xA5);
    std::thread([&] {
        for (void* block : first)
            pool.Give(block);
    }).join();
    const std::vector<void*> again = TakeBlocks(pool, 5);
    EXPECT_EQ(std::set<void*>(again.begin(), again.end()), std::set<void*>(first.begin(), first.end()));
    // A sixth comes from the heap, and every block goes with the pool.
    void* sixth = pool.Take();
    EXPECT_EQ(std::count(again.begin(), again.end(), sixth), 0);
    pool.Give(sixth);
    for (void* block : again)
        pool.Give(block);
}

TEST(ReplyMemoryPoolTest, KeepsNoMoreThanItsBoundForReuse)
{
    ReplyMemoryPool pool;
    const std::size_t count = ReplyMemoryPool::kMaxKept + 40;
    const std::vector<void*> first = TakeBlocks(pool, count);
    const std::set<void*> given(first.begin(), first.end());
    for (void* block : first)
        pool.Give(block);
    const std::vector<void*> again = TakeBlocks(pool, count);
    const auto reused = std::count_if(again.begin(), again.end(), [&](void* block) { return given.count(block) > 0; });
    // Blocks freed to the heap may come back from it; at least the kept ones do.
    EXPECT_GE(static_cast<std::size_t>(reused), ReplyMemoryPool::kMaxKept);
    for (void* block : again)
        pool.Give(block);
}

TEST(ReplyMemoryPoolTest, GivingFromManyThreadsAtOnceLosesNoBlock)
{
    ReplyMemoryPool pool;
    constexpr std::size_t kThreads = 4;
    constexpr std::size_t kPerThread = 50;
    const std::vector<void*> blocks = TakeBlocks(pool, kThreads * kPerThread);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (std::size_t i = 0; i < kPerThread; ++i)
                pool.Give(blocks[t * kPerThread + i]);
        });
    for (std::thread& thread : threads)
        thread.join();
    const std::vector<void*> again = TakeBlocks(pool, blocks.size());
    EXPECT_EQ(std::set<void*>(again.begin(), again.end()), std::set<void*>(blocks.begin(), blocks.end()));
    for (void* block : again)
        pool.Give(block);
}

}  // namespace
}  // namespace reply_memory_pool_test
}  // namespace corvane
