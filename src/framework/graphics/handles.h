#pragma once

// Handles of the software graphics device: plain pointers to objects the graphics layer manages,
// named as the code that draws expects them. A null handle means none.
class TPaletteObject;  // a logical palette
class TBitmapObject;   // a bitmap of 1, 4, 8, 24 or 32 bits per pixel
class TDeviceContext;  // a drawing surface

using HPALETTE = TPaletteObject*;
using HBITMAP = TBitmapObject*;
using HDC = TDeviceContext*;
