// The owning wrapper shape shared by the pen, brush and bitmap wrappers: one
// GDI object, selected into a device context and put back out of it.
#pragma once

#include "platform/win32.h"

// Holds one GDI object of handle type H. While in use, the object sits
// selected in one device context and the wrapper keeps the object it
// replaced there; enduse() selects that one back. An owned object is deleted
// by clear() (and the destructor), after it has left the device context.
template <class H> class claobjetgdi {
public:
    claobjetgdi() = default;
    ~claobjetgdi() { clear(); }
    claobjetgdi(const claobjetgdi&) = delete;
    claobjetgdi& operator=(const claobjetgdi&) = delete;

    // clear(), then hold h; owned (deleted by the next clear) unless
    // owned is false (a stock object).
    void set(H h, bool owned = true) {
        clear();
        objet = h;
        possede = owned && h != nullptr;
    }
    void set(HDC dc, H h, bool owned = true) {
        set(h, owned);
        useon(dc);
    }
    // Select the held object into dc. The first use keeps the object it
    // replaces; later uses on the same DC only select. A use on another DC
    // first ends the use on the previous one, so each DC gets back what it
    // held.
    void useon(HDC dc) {
        if (objet == nullptr || dc == nullptr) return;
        if (enservice && dc != hdc) enduse();
        hdc = dc;
        HGDIOBJ avant = SelectObject(dc, objet);
        if (!enservice && avant != nullptr) {
            precedent = avant;
            enservice = true;
        }
    }
    // Put the kept object back into the DC of the last use.
    void enduse() {
        if (!enservice) return;
        SelectObject(hdc, precedent);
        enservice = false;
        precedent = nullptr;
    }
    // enduse(), then delete the object if it is owned.
    void clear() {
        enduse();
        if (possede) DeleteObject(objet);
        objet = nullptr;
        possede = false;
    }

    H get() const { return objet; }
    bool enusage() const { return enservice; }

private:
    H objet = nullptr;
    HGDIOBJ precedent = nullptr;
    HDC hdc = nullptr;
    bool possede = false;
    bool enservice = false;
};

// A pen.
class clacrayon : public claobjetgdi<HPEN> {};
// A brush.
class clabrosse : public claobjetgdi<HBRUSH> {};
