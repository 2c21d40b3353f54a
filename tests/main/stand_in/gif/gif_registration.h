#pragma once

// Test-only stand-in until the GIF picture registration is merged: registers TGIFImage by name
// and as the picture file format "gif".
void RegisterGifImage();
