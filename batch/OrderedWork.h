#pragma once

// Runs tasks on a fixed set of worker threads and hands their results back in
// the order the tasks were given. The caller gives at most Capacity() tasks
// before taking a result back, so however long the input, only that many
// tasks and results are held at once.

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace Batch {

template <typename Result> class OrderedWork {
public:
    // `workers` threads (at least one); `capacity` tasks given and not taken
    // back at most (at least one).
    OrderedWork(unsigned workers, std::size_t capacity)
        : m_capacity(std::max<std::size_t>(1, capacity)) {
        for (unsigned i = 0; i < std::max(1u, workers); ++i) {
            m_threads.emplace_back([this] { Work(); });
        }
    }

    // Tasks not begun are dropped; the workers finish the ones they are on.
    ~OrderedWork() {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
            m_queue.clear();
        }
        m_wake.notify_all();
        for (std::thread& thread : m_threads) {
            thread.join();
        }
    }

    OrderedWork(const OrderedWork&) = delete;
    OrderedWork& operator=(const OrderedWork&) = delete;

    std::size_t Capacity() const { return m_capacity; }
    // Tasks given whose results have not been taken.
    std::size_t Pending() const { return m_results.size(); }

    // Queues `task`; the caller keeps Pending() below Capacity().
    void Give(std::function<Result()> task) {
        std::packaged_task<Result()> job(std::move(task));
        m_results.push_back(job.get_future());
        {
            const std::lock_guard lock(m_mutex);
            m_queue.push_back(std::move(job));
        }
        m_wake.notify_one();
    }

    // The result of the oldest task not taken yet, waiting for it; what the
    // task threw is thrown here.
    Result Take() {
        std::future<Result> next = std::move(m_results.front());
        m_results.pop_front();
        return next.get();
    }

private:
    void Work() {
        for (;;) {
            std::packaged_task<Result()> job;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
                if (m_stopping) {
                    return;
                }
                job = std::move(m_queue.front());
                m_queue.pop_front();
            }
            job();
        }
    }

    const std::size_t m_capacity;
    std::deque<std::future<Result>> m_results; // the caller's side only
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::packaged_task<Result()>> m_queue;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};

} // namespace Batch
