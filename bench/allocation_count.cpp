// How allocations are seen and attributed. The bench defines malloc and its
// kin itself; a definition in the executable comes first in symbol lookup, so
// Mesa, freeglut and libstdc++ call these too, and they hand the work to
// glibc's allocator through its __libc_ entry points. While counting, each
// allocation walks its stack outwards from the allocating call, passing over
// frames in the C and C++ runtimes, the unwinder and the dynamic loader (so
// that a std::vector growing in libstdc++ on our behalf still counts as ours,
// and Mesa's dlopen as Mesa's). The first other frame decides: inside this
// executable, which holds all of the scene and shell code, the allocation is
// ours; anywhere else, a library's. A stack that ends before such a frame
// (a runtime thread, code without unwind tables such as llvmpipe's compiled
// shaders) counts as the libraries'.
#include "bench/allocation_count.h"

#include <execinfo.h>
#include <link.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* memory, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
}

namespace {
enum Source { kOurs, kLibraries };
enum Entry { kAtMalloc, kAtNew };

struct CodeRange {
  std::uintptr_t begin;
  std::uintptr_t end;
};

std::atomic<bool> counting{false};
std::atomic<std::size_t> counts[2][2];
std::vector<CodeRange> ownCode;
std::vector<CodeRange> runtimeCode;
thread_local bool walking = false;

bool IsRuntime(const char* path) {
  for (const char* name : {"/libc.so", "/libstdc++.so", "/libgcc_s.so", "/ld-linux"}) {
    if (std::strstr(path, name) != nullptr) return true;
  }
  return false;
}

int AddCodeRanges(dl_phdr_info* info, std::size_t, void*) {
  const bool own = info->dlpi_name == nullptr || info->dlpi_name[0] == '\0';
  if (!own && !IsRuntime(info->dlpi_name)) return 0;
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr)& segment = info->dlpi_phdr[i];
    if (segment.p_type != PT_LOAD || (segment.p_flags & PF_X) == 0) continue;
    const std::uintptr_t begin = info->dlpi_addr + segment.p_vaddr;
    (own ? ownCode : runtimeCode).push_back({begin, begin + segment.p_memsz});
  }
  return 0;
}

bool In(const std::vector<CodeRange>& ranges, std::uintptr_t address) {
  for (const CodeRange& range : ranges) {
    if (address >= range.begin && address < range.end) return true;
  }
  return false;
}

// frames[0] lies in Count and frames[1] in the hook that called it: the
// allocating call is frames[2].
__attribute__((noinline)) void Count(Entry entry) {
  if (!counting.load(std::memory_order_relaxed) || walking) return;
  walking = true;  // the unwinder may allocate
  void* frames[48];
  const int depth = backtrace(frames, 48);
  Source source = kLibraries;
  for (int i = 2; i < depth; ++i) {
    const auto address = reinterpret_cast<std::uintptr_t>(frames[i]);
    if (In(runtimeCode, address)) continue;
    if (In(ownCode, address)) source = kOurs;
    break;
  }
  counts[source][entry].fetch_add(1, std::memory_order_relaxed);
  walking = false;
}
}  // namespace

void StartCountingAllocations() {
  if (ownCode.empty()) dl_iterate_phdr(AddCodeRanges, nullptr);
  void* frame[1];
  backtrace(frame, 1);  // loads the unwinder now rather than while counting
  for (auto& source : counts) {
    for (auto& count : source) count = 0;
  }
  counting = true;
}

AllocationCounts StopCountingAllocations() {
  counting = false;
  return {counts[kOurs][kAtMalloc], counts[kLibraries][kAtMalloc], counts[kOurs][kAtNew],
          counts[kLibraries][kAtNew]};
}

extern "C" {
void* malloc(std::size_t size) {
  Count(kAtMalloc);
  return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) {
  Count(kAtMalloc);
  return __libc_calloc(count, size);
}

void* realloc(void* memory, std::size_t size) {
  Count(kAtMalloc);
  return __libc_realloc(memory, size);
}

void* memalign(std::size_t alignment, std::size_t size) {
  Count(kAtMalloc);
  return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) {
  Count(kAtMalloc);
  return __libc_memalign(alignment, size);
}

int posix_memalign(void** memory, std::size_t alignment, std::size_t size) {
  Count(kAtMalloc);
  if (alignment < sizeof(void*) || (alignment & (alignment - 1)) != 0) return EINVAL;
  void* allocated = __libc_memalign(alignment, size);
  if (allocated == nullptr) return ENOMEM;
  *memory = allocated;
  return 0;
}
}

// Counted once, as operator new; the malloc underneath is counted too.
void* operator new(std::size_t size) {
  Count(kAtNew);
  Count(kAtMalloc);
  if (void* memory = __libc_malloc(size == 0 ? 1 : size)) return memory;
  std::abort();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
