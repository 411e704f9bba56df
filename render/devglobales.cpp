// The program's devices: the screen, the main window and the device in use.
#include "render/cladevout.h"

cladevout ecrout;
cladevout fenecrout;
cladevout* pdevactu = &fenecrout;

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

void devinstalle(HDC dc, short clientw, short clienth) {
    screeninfo(ecrout, dc);
    screeninfo(fenecrout, dc);
    fenecrout.setname("fenetre");
    fenecrout.setfeuillepix(clientw, clienth);
    fenecrout.setpagepix(clientw, clienth);
    fenecrout.centrajuste();
    pdevactu = &fenecrout;
    pdevactu->setechelle(1.0f);
}
