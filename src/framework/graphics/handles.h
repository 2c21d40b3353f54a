#pragma once

// Handles of the software graphics device: plain pointers to objects the graphics layer manages,
// named as the code that draws expects them. A null handle means none.
class TGdiObject;      // any of the objects below
class TPaletteObject;  // a logical palette
class TBitmapObject;   // a bitmap of 1, 4, 8, 24 or 32 bits per pixel
class TBrushObject;    // a fill colour
class TPenObject;      // a line colour, width and style
class TFontObject;     // a face, size and style
class TDeviceContext;  // a drawing surface

using HGDIOBJ = TGdiObject*;
using HPALETTE = TPaletteObject*;
using HBITMAP = TBitmapObject*;
using HBRUSH = TBrushObject*;
using HPEN = TPenObject*;
using HFONT = TFontObject*;
using HDC = TDeviceContext*;
