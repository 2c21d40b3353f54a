#include "gif/codec/interlace.h"

int NextInterlacedRow(int row, int height, int& pass) {
  row += pass <= 1 ? 8 : pass == 2 ? 4 : 2;
  if (row < height) return row;
  // A pass that runs off the image starts the next one; passes whose first row is outside a
  // short image are passed over.
  if (pass == 0) {
    pass = 1;
    row = 4;
    if (height > 4) return 4;
  }
  if (pass == 1) {
    pass = 2;
    row = 2;
    if (height > 2) return 2;
  }
  if (pass == 2) {
    pass = 3;
    return 1;
  }
  return row;
}
