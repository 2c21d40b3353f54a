#pragma once

// The image row that follows row in GIF interlace order (rows 0, 8, 16, ...; 4, 12, ...;
// 2, 6, 10, ...; 1, 3, 5, ...), moving pass on from 0 to 3. A result at or beyond height means
// the image is complete.
int NextInterlacedRow(int row, int height, int& pass);
