#pragma once

#include <QThreadPool>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <vector>

// Runs work on every core and hands each result to emit, on the calling thread, in the order
// the items came. Items go to the threads in batches: one song takes a few microseconds, less
// than waking a thread and waiting for it, so a thread is woken once per batch. At most a few
// batches per core are in flight, so memory stays flat however many items next() gives.
template <class Item, class Result>
void runInOrder(const std::function<std::optional<Item>()>& next,
                const std::function<Result(const Item&)>& work,
                const std::function<void(Result&)>& emit) {
    constexpr size_t kBatch = 32;
    QThreadPool pool;
    const size_t window = 4 * static_cast<size_t>(qMax(1, pool.maxThreadCount()));
    std::deque<std::future<std::vector<Result>>> pending;
    bool more = true;
    for (;;) {
        while (more && pending.size() < window) {
            std::vector<Item> batch;
            while (batch.size() < kBatch) {
                std::optional<Item> item = next();
                if (!item) {
                    more = false;
                    break;
                }
                batch.push_back(std::move(*item));
            }
            if (batch.empty())
                break;
            auto task = std::make_shared<std::packaged_task<std::vector<Result>()>>(
                [&work, batch = std::move(batch)] {
                    std::vector<Result> results;
                    results.reserve(batch.size());
                    for (const Item& item : batch)
                        results.push_back(work(item));
                    return results;
                });
            pending.push_back(task->get_future());
            pool.start([task] { (*task)(); });
        }
        if (pending.empty())
            return;
        std::vector<Result> results = pending.front().get();
        pending.pop_front();
        for (Result& result : results)
            emit(result);
    }
}
