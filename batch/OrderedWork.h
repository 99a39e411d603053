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
        : capacity_(std::max<std::size_t>(1, capacity)) {
        for (unsigned i = 0; i < std::max(1u, workers); ++i) {
            threads_.emplace_back([this] { Work(); });
        }
    }

    // Tasks not begun are dropped; the workers finish the ones they are on.
    ~OrderedWork() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
            queue_.clear();
        }
        wake_.notify_all();
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }

    OrderedWork(const OrderedWork&) = delete;
    OrderedWork& operator=(const OrderedWork&) = delete;

    std::size_t Capacity() const { return capacity_; }
    // Tasks given whose results have not been taken.
    std::size_t Pending() const { return results_.size(); }

    // Queues `task`; the caller keeps Pending() below Capacity().
    void Give(std::function<Result()> task) {
        std::packaged_task<Result()> job(std::move(task));
        results_.push_back(job.get_future());
        {
            const std::lock_guard lock(mutex_);
            queue_.push_back(std::move(job));
        }
        wake_.notify_one();
    }

    // The result of the oldest task not taken yet, waiting for it; what the
    // task threw is thrown here.
    Result Take() {
        std::future<Result> next = std::move(results_.front());
        results_.pop_front();
        return next.get();
    }

private:
    void Work() {
        for (;;) {
            std::packaged_task<Result()> job;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
                if (stopping_) {
                    return;
                }
                job = std::move(queue_.front());
                queue_.pop_front();
            }
            job();
        }
    }

    const std::size_t capacity_;
    std::deque<std::future<Result>> results_; // the caller's side only
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::packaged_task<Result()>> queue_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

} // namespace Batch
