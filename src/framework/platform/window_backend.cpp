#include "framework/platform/window_backend.h"

#include <atomic>

#include "framework/core/exceptions.h"

namespace {

// Atomic because Wake is called from worker threads through the installed backend.
std::atomic<TWindowBackend*> installed{nullptr};

}  // namespace

TWindowBackend& WindowBackend() {
  TWindowBackend* backend = installed.load();
  if (backend == nullptr) throw Exception("No window backend installed");
  return *backend;
}

bool HasWindowBackend() {
  return installed.load() != nullptr;
}

TWindowBackend* SetWindowBackend(TWindowBackend* backend) {
  return installed.exchange(backend);
}
