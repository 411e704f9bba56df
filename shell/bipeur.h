// clabipeur: tones played one after another on a thread of their own, so
// that a beep never holds the message loop while its sound plays (Beep
// waits for the end of its sound).
#pragma once

#include "platform/win32.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

class clabipeur {
public:
    // Plays each tone through `joueur` (frequency in Hz, duration in ms),
    // which may block for the tone's duration.
    explicit clabipeur(std::function<void(DWORD, DWORD)> joueur);
    // arrete().
    ~clabipeur();
    clabipeur(const clabipeur&) = delete;
    clabipeur& operator=(const clabipeur&) = delete;

    // Queues a tone after those still waiting and returns at once; the
    // thread starts with the first tone.
    void joue(DWORD frequence, DWORD duree);
    // Drops the tones not yet begun and waits for the one playing; the next
    // joue starts the thread again.
    void arrete();

private:
    void boucle();

    std::function<void(DWORD, DWORD)> joueur;
    std::mutex garde;
    std::condition_variable reveil;
    std::deque<std::pair<DWORD, DWORD>> attente;
    bool fin = false;
    std::thread fil;
};
