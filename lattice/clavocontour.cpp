// Hexagon outline helpers of clavochemin: corners, diagonals, triangles, centres.
#include "lattice/clavochemin.h"

namespace {

vopoint at(short x, short y, int dx, int dy) {
    return {static_cast<short>(x + dx), static_cast<short>(y + dy)};
}

} // namespace

short clavochemin::givehexacontour(vopoint* points, short cx, short cy) const {
    for (short i = 0; i <= 6; ++i) points[i] = at(cx, cy, dirs.reulatx(i), dirs.reulaty(i));
    return 7;
}

short clavochemin::givehexadiacontour(vopoint* points, short cx, short cy) const {
    for (short i = 0; i < 6; ++i) points[i] = at(cx, cy, dirs.reulatx(i), dirs.reulaty(i));
    for (short i = 0; i < 3; ++i) {
        points[6 + 2 * i] = points[i];
        points[7 + 2 * i] = points[i + 3];
    }
    return 12;
}

short clavochemin::givesixtriangles(vopoint* points, short cx, short cy) const {
    for (short i = 0; i < 6; ++i) {
        points[3 * i] = {cx, cy};
        points[3 * i + 1] = at(cx, cy, dirs.reulatx(i), dirs.reulaty(i));
        points[3 * i + 2] = at(cx, cy, dirs.reulatx(static_cast<short>(i + 1)),
                               dirs.reulaty(static_cast<short>(i + 1)));
    }
    points[18] = {cx, cy};
    return 4;
}

short clavochemin::givesixcentres(vopoint* points, short cx, short cy) const {
    for (short i = 0; i < 6; ++i) {
        const short j = static_cast<short>(i + 1);
        points[i] = at(cx, cy, (dirs.reulatx(i) + dirs.reulatx(j)) / 3,
                       -((dirs.reulaty(i) + dirs.reulaty(j)) / 3));
    }
    return 6;
}
