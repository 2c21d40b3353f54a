#include "peak_memory.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <malloc.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

extern char** environ;

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

void* Counted(void* block) {
  if (block != nullptr) {
    const std::size_t now = inUse += malloc_usable_size(block);
    std::size_t seen = peak.load(std::memory_order_relaxed);
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
  }
  return block;
}

void Uncount(void* block) {
  if (block != nullptr) inUse -= malloc_usable_size(block);
}

}  // namespace

// The allocator's entry points, counting what they hand out and take back.
extern "C" {
void* malloc(std::size_t size) {
  return Counted(__libc_malloc(size));
}
void* calloc(std::size_t count, std::size_t size) {
  return Counted(__libc_calloc(count, size));
}
void* realloc(void* block, std::size_t size) {
  Uncount(block);
  void* moved = __libc_realloc(block, size);
  // A failed realloc leaves the block as it was.
  return Counted(moved != nullptr || size == 0 ? moved : block);
}
void free(void* block) {
  Uncount(block);
  __libc_free(block);
}
void* memalign(std::size_t alignment, std::size_t size) {
  return Counted(__libc_memalign(alignment, size));
}
void* aligned_alloc(std::size_t alignment, std::size_t size) {
  return Counted(__libc_memalign(alignment, size));
}
int posix_memalign(void** block, std::size_t alignment, std::size_t size) {
  *block = Counted(__libc_memalign(alignment, size));
  return *block != nullptr ? 0 : ENOMEM;
}
}

std::size_t PeakHeapBytesSinceLastCall() {
  static std::size_t inUseAtStart = 0;
  const std::size_t result = peak - inUseAtStart;
  inUseAtStart = inUse;
  peak = inUseAtStart;
  return result;
}

long NumberFromChild(const char* self, const std::vector<std::string>& args) {
  int pipe[2];
  if (::pipe(pipe) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe[1], 1);
  posix_spawn_file_actions_addclose(&actions, pipe[0]);
  std::vector<char*> argv{const_cast<char*>(self)};
  for (const std::string& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t child;
  const int spawned = posix_spawn(&child, self, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe[1]);
  char text[32] = {};
  if (spawned == 0) {
    const ssize_t n = read(pipe[0], text, sizeof text - 1);
    text[n > 0 ? n : 0] = 0;
  }
  close(pipe[0]);
  int status = 0;
  if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return -1;
  }
  return std::strtol(text, nullptr, 10);
}
