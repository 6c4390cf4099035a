#include "cards/host/CardWatch.h"

namespace tov {

CardWatch::CardWatch(Lister list, std::chrono::milliseconds period)
    : m_list(std::move(list)), m_period(period), m_thread([this] { Run(); }) {}

CardWatch::~CardWatch() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

std::vector<cards::Card> CardWatch::Latest() {
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [this] { return m_latest.has_value(); });
    return *m_latest;
}

void CardWatch::Refresh() {
    {
        const std::lock_guard lock(m_mutex);
        m_refresh = true;
    }
    m_wake.notify_all();
}

void CardWatch::Run() {
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        m_refresh = false;
        lock.unlock();
        std::vector<cards::Card> found = m_list();
        lock.lock();
        m_latest = std::move(found);
        m_wake.notify_all();
        m_wake.wait_for(lock, m_period, [this] { return m_stop || m_refresh; });
    }
}

}  // namespace tov
