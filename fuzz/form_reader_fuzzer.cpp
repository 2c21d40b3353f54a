// Reads arbitrary bytes as binary form data into a small fake form. Malformed data must end in
// EReadError; whatever is read must write and read back without any error.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "fake_form.h"
#include "framework/core/exceptions.h"
#include "framework/core/form_reader.h"
#include "framework/core/form_writer.h"
#include "framework/core/memory_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool registered = (RegisterFakeFormClasses(), true);
  (void)registered;
  TFakeForm form(nullptr);
  TMemoryStream input(std::vector<std::uint8_t>(data, data + size));
  try {
    ReadRootComponent(form, input);
  } catch (const EReadError&) {
    return 0;
  }
  TMemoryStream written;
  WriteRootComponent(written, form);
  written.SetPosition(0);
  TFakeForm again(nullptr);
  ReadRootComponent(again, written);
  return 0;
}
