// clanouvelletache: a new grid made beside the message loop. The generator
// runs on a thread of its own on a shape prepared by the caller; the caller
// polls (prete), takes the puzzle (recupere) or cancels (annule). Nothing of
// the game is touched by the thread: it reads its shape and writes its
// puzzle, both owned here.
#pragma once

#include "grid/solver/generator.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>

class clanouvelletache {
public:
    clanouvelletache() = default;
    // Cancels and waits for a job still running.
    ~clanouvelletache();
    clanouvelletache(const clanouvelletache&) = delete;
    clanouvelletache& operator=(const clanouvelletache&) = delete;

    // Start generating a puzzle on forme from graine with the shape's
    // correction; description and niveau are kept for the caller (the shape's
    // name and the level asked for). A job already running is cancelled
    // first. False, with nothing started, for a bad description or a shape
    // of more than grillegen::hexagonesmax hexagons.
    bool lance(const std::string& description, short niveau, std::uint32_t graine);
    // Whether a job was started and not yet taken or cancelled.
    bool encours() const { return travail.joinable(); }
    // Whether the running job has finished (its puzzle can be taken).
    bool prete() const { return encours() && fini.load(std::memory_order_acquire); }
    // How long the current job has been running; zero when none.
    std::chrono::milliseconds duree() const;
    // The finished job's puzzle (the thread joined, the job forgotten);
    // nothing while it runs or when none was started.
    std::optional<solver::generated_puzzle> recupere();
    // Stop the running job and wait for its thread (a few milliseconds: the
    // generator looks at the stop flag during its random filling and between
    // removal steps).
    void annule();

    const std::string& description() const { return forme; }
    short niveau() const { return niveaudemande; }
    std::uint32_t graine() const { return grainedemandee; }

private:
    std::string forme;
    short niveaudemande = 0;
    std::uint32_t grainedemandee = 0;
    std::chrono::steady_clock::time_point debut;
    std::atomic<bool> arret{false};
    std::atomic<bool> fini{false};
    solver::generated_puzzle resultat;
    std::thread travail;
};
