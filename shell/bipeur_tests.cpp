// clabipeur: joue returns while the tones before it still play, the tones
// play in the order given, and arrete drops those not begun.
#include "shell/bipeur.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace {

// A player that holds each tone until the test lets it go.
struct joueurretenu {
    std::mutex garde;
    std::condition_variable signal;
    std::vector<DWORD> commences;
    int permis = 0;

    void joue(DWORD frequence) {
        std::unique_lock<std::mutex> verrou(garde);
        commences.push_back(frequence);
        signal.notify_all();
        signal.wait(verrou, [this] { return permis > 0; });
        --permis;
    }
    void laisse(int n) {
        std::lock_guard<std::mutex> verrou(garde);
        permis += n;
        signal.notify_all();
    }
    // Waits until n tones have begun; false after a second.
    bool attend(std::size_t n) {
        std::unique_lock<std::mutex> verrou(garde);
        return signal.wait_for(verrou, std::chrono::seconds(1),
                               [&] { return commences.size() >= n; });
    }
};

TEST(clabipeur, QueuesWithoutWaitingAndPlaysInOrder) {
    joueurretenu j;
    clabipeur b([&](DWORD f, DWORD) { j.joue(f); });
    // The player blocks every tone, yet each joue returns at once.
    b.joue(250, 80);
    b.joue(200, 80);
    b.joue(150, 80);
    ASSERT_TRUE(j.attend(1));
    j.laisse(2);
    ASSERT_TRUE(j.attend(3));
    j.laisse(1);
    b.arrete();
    EXPECT_EQ(j.commences, (std::vector<DWORD>{250, 200, 150}));
}

TEST(clabipeur, ArreteDropsWaitingTonesAndCanStartAgain) {
    joueurretenu j;
    clabipeur b([&](DWORD f, DWORD) { j.joue(f); });
    b.joue(800, 5);
    b.joue(1200, 5);
    ASSERT_TRUE(j.attend(1));
    // The tone playing ends after arrete has begun; the waiting one is
    // dropped (let go too, so that a fault shows as a failure, not a hang).
    std::thread fin([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        j.laisse(2);
    });
    b.arrete();
    fin.join();
    EXPECT_EQ(j.commences, (std::vector<DWORD>{800}));
    b.joue(1600, 35);
    ASSERT_TRUE(j.attend(2));
    b.arrete();
    EXPECT_EQ(j.commences, (std::vector<DWORD>{800, 1600}));
}

} // namespace
