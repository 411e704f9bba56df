// The program's own pictures: the nine rules pages (bitmap resources 1..9,
// 2364 x 1771 at 8 bits per pixel) and the application icon.
#pragma once

// Bitmap resource number of rules page p is p (1..9).
inline constexpr short premiereimageregle = 1;
inline constexpr short derniereimageregle = 9;
// Icon resource number of the application icon (Windows: in the .exe;
// LoadIconA(instance, MAKEINTRESOURCEA(iconevora))).
inline constexpr short iconevora = 100;

// Makes the nine pictures loadable by LoadImageA(instance,
// MAKEINTRESOURCEA(p), IMAGE_BITMAP, ...) and the icon by LoadIconA(instance,
// MAKEINTRESOURCEA(iconevora)). On Windows they are resources of the
// executable already and this does nothing; elsewhere the pictures are held
// in the program and registered with the drawing layer. Idempotent.
void enregistreimagesregles();
