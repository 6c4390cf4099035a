#include "cards/host/CardWatch.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <future>
#include <mutex>
#include <string>
#include <thread>

namespace tov {
namespace {

// A lister whose second listing hangs until released, like a card that stops answering.
struct SlowLister {
    std::mutex mutex;
    std::condition_variable changed;
    int calls = 0;
    bool released = false;

    std::vector<cards::Card> List() {
        std::unique_lock lock(mutex);
        const int call = ++calls;
        changed.notify_all();
        if (call == 2) {
            changed.wait(lock, [this] { return released; });
        }
        cards::Card card;
        card.mountPoint = call == 1 ? "/media/A" : "/media/B";
        return {card};
    }
    void WaitForCall(int call) {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return calls >= call; });
    }
    void Release() {
        const std::lock_guard lock(mutex);
        released = true;
        changed.notify_all();
    }
};

TEST(CardWatch, ReadersGetTheLastListWhileAListingHangs) {
    SlowLister lister;
    CardWatch watch([&] { return lister.List(); }, std::chrono::hours(1));
    ASSERT_EQ(watch.Latest().at(0).mountPoint, "/media/A");

    watch.Refresh();
    lister.WaitForCall(2);  // the second listing now hangs
    std::promise<std::string> seen;
    std::future<std::string> got = seen.get_future();
    std::thread reader([&] { seen.set_value(watch.Latest().at(0).mountPoint); });
    // A generous bound: the reader is meant to answer at once, not after the listing.
    const bool answered = got.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    lister.Release();  // lets a held-up reader go either way
    reader.join();
    ASSERT_TRUE(answered) << "a reader waited for a hanging listing";
    EXPECT_EQ(got.get(), "/media/A");

    watch.Refresh();
    lister.WaitForCall(3);  // the second listing was kept before the third began
    EXPECT_EQ(watch.Latest().at(0).mountPoint, "/media/B");
}

}  // namespace
}  // namespace tov
