#include "frame_output.h"

#include <cstdio>

#include "framework/core/memory_stream.h"

void DibFileOutput::Write(int index, const TGIFFrame&, const TMemoryStream& dib) {
  char name[32];
  std::snprintf(name, sizeof name, "frame-%03d.bmp", index);
  dib.SaveToFile((dir_ / name).string());
}
