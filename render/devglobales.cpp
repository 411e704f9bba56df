// Filling a device from a DC: the screen's, a window's.
#include "render/cladevout.h"

void screeninfo(cladevout& d, HDC dc) {
    d.sethdc(dc);
    d.setdpi(static_cast<short>(GetDeviceCaps(dc, LOGPIXELSX)),
             static_cast<short>(GetDeviceCaps(dc, LOGPIXELSY)));
    const short w = static_cast<short>(GetDeviceCaps(dc, HORZRES));
    const short h = static_cast<short>(GetDeviceCaps(dc, VERTRES));
    d.setfeuillepix(w, h);
    d.setpagepix(w, h);
    d.centrajuste();
    d.mmajuste();
    d.setname("ecran");
}

void devinstalle(cladevout& d, HDC dc, short clientw, short clienth) {
    screeninfo(d, dc);
    d.setname("fenetre");
    d.setfeuillepix(clientw, clienth);
    d.setpagepix(clientw, clienth);
    d.centrajuste();
    d.setechelle(1.0f);
}
