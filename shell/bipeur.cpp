// The beeper thread and its queue of tones.
#include "shell/bipeur.h"

clabipeur::clabipeur(std::function<void(DWORD, DWORD)> j) : joueur(std::move(j)) {}

clabipeur::~clabipeur() {
    arrete();
}

void clabipeur::joue(DWORD frequence, DWORD duree) {
    {
        std::lock_guard<std::mutex> verrou(garde);
        attente.emplace_back(frequence, duree);
    }
    if (!fil.joinable()) fil = std::thread([this] { boucle(); });
    reveil.notify_one();
}

void clabipeur::arrete() {
    if (!fil.joinable()) return;
    {
        std::lock_guard<std::mutex> verrou(garde);
        attente.clear();
        fin = true;
    }
    reveil.notify_one();
    fil.join();
    fin = false;
}

void clabipeur::boucle() {
    std::unique_lock<std::mutex> verrou(garde);
    for (;;) {
        reveil.wait(verrou, [this] { return fin || !attente.empty(); });
        if (fin) return;
        const auto [frequence, duree] = attente.front();
        attente.pop_front();
        verrou.unlock();
        joueur(frequence, duree);
        verrou.lock();
    }
}
