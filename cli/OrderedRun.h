#pragma once

#include <QThreadPool>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <optional>

// Runs work on every core and hands each result to emit, on the calling thread, in the order
// the items came. At most a few items per core are in flight, so memory stays flat however
// many items next() gives.
template <class Item, class Result>
void runInOrder(const std::function<std::optional<Item>()>& next,
                const std::function<Result(const Item&)>& work,
                const std::function<void(Result&)>& emit) {
    QThreadPool pool;
    const size_t window = 8 * static_cast<size_t>(qMax(1, pool.maxThreadCount()));
    std::deque<std::future<Result>> pending;
    bool more = true;
    for (;;) {
        while (more && pending.size() < window) {
            std::optional<Item> item = next();
            if (!item) {
                more = false;
                break;
            }
            auto task = std::make_shared<std::packaged_task<Result()>>(
                [&work, item = std::move(*item)] { return work(item); });
            pending.push_back(task->get_future());
            pool.start([task] { (*task)(); });
        }
        if (pending.empty())
            return;
        Result result = pending.front().get();
        pending.pop_front();
        emit(result);
    }
}
