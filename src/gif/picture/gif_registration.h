#pragma once

#include <cstdint>

// The clipboard format "GIF Image"; 0 until RegisterGifImage has run.
extern std::uint16_t CF_GIF;

// Makes GIF images known to the framework; the program calls it once at start-up, before any form
// is read (calling it again changes nothing). Registers the classes TGIFFrame and TGIFImage by
// name, the picture file format "gif" ("CompuServe GIF Image") and the clipboard format
// "GIF Image" as TGIFImage's, so that pictures load .gif files, stored picture data naming
// TGIFImage, and GIF clipboard data. Needs the platform services installed.
void RegisterGifImage();
