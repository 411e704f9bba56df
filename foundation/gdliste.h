// gdliste: a small list kept in one comma-separated buffer («a,b,c,»), used as
// a stack or a queue of short texts. A text holding commas becomes several
// elements.
#pragma once

#include "foundation/gstring.h"
#include "foundation/heaptext.h"

class gdliste {
public:
    // Prepend text followed by ",".
    void push(const char* text);
    // Append text followed by ",".
    void add(const char* text);
    // Remove the text up to the first comma and that comma, and return it (as
    // it stands, blanks kept); an empty list gives an empty text. The caller
    // owns the result.
    heaptext pop();
    // Pop into g.
    void gpopto(gstring& g);
    void clear() { buf.clear(); }
    bool isempty() const { return buf.isempty(); }
    // The number of elements.
    short effectif() const;
    // The whole buffer, each element followed by ",".
    const char* adr() const { return buf.adr(); }

private:
    gstring buf;
};
