#pragma once

#include "cards/core/CardContents.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace tov {

/// The memory cards as last listed, kept fresh by a thread of its own: listing reads the mount
/// table, asks each volume for its space and lists its root, which a slow card or a network
/// drive can hold up for seconds, so the interface only ever reads the last list.
class CardWatch {
public:
    using Lister = std::function<std::vector<cards::Card>()>;

    /// Lists with `list` every `period`; the first list is taken at once, before any reader.
    explicit CardWatch(Lister list, std::chrono::milliseconds period = std::chrono::seconds(1));
    ~CardWatch();
    CardWatch(const CardWatch&) = delete;
    CardWatch& operator=(const CardWatch&) = delete;

    /// The cards of the last listing (waits only for the very first one).
    std::vector<cards::Card> Latest();
    /// Lists again now (after a device change the system reported).
    void Refresh();

private:
    void Run();

    Lister m_list;
    std::chrono::milliseconds m_period;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<std::vector<cards::Card>> m_latest;
    bool m_stop = false;
    bool m_refresh = false;
    std::thread m_thread;  // last: starts once the members above exist
};

}  // namespace tov
