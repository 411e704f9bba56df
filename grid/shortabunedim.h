// `shortabunedim`: a one-dimension view onto an array of 16-bit values that
// someone else owns, with the clearing and adding operations the table
// builders use.
#pragma once

class shortabunedim {
public:
    shortabunedim() = default;
    shortabunedim(const shortabunedim&) = delete;
    shortabunedim& operator=(const shortabunedim&) = delete;

    // Binds the view to `array` (borrowed: the caller keeps it alive while the
    // view is used), whose first entry stands for index lo and last for hi;
    // the view has hi - lo + 1 entries. A null array or hi < lo gives an empty
    // view, on which every operation does nothing.
    void setontab(short lo, short hi, short* array);
    // The same with indices 0..n - 1.
    void setontab(short n, short* array);
    // setontab(n, array), then raz().
    void setraztab(short n, short* array);

    // Sets every entry to 0.
    void raz();
    // Writes v into the first entry that holds 0, scanning from the start;
    // nothing when no entry holds 0.
    void add(short v);
    // Adds v if it is absent: nothing when an entry of the view already holds
    // v, otherwise writes v into the first entry that holds 0; nothing when the
    // view is full.
    void addone(short v);

    short getnombre() const { return nombre; }
    short getbas() const { return bas; }
    short gethaut() const { return haut; }

private:
    short* tab = nullptr;
    short nombre = 0;
    short bas = 0;
    short haut = -1;
    short vide = 0;
};
