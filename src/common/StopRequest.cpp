/*
** StopRequest: the pending request. See StopRequest.h.
*/
#include "common/StopRequest.h"

#include <atomic>

namespace {

std::atomic<int> gSignal{0};
static_assert(std::atomic<int>::is_always_lock_free,
              "a signal handler may only use lock-free atomics");

}  // namespace

void StopRequest::Request(int signal) noexcept {
  gSignal.store(signal, std::memory_order_relaxed);
}

bool StopRequest::Pending() noexcept {
  return gSignal.load(std::memory_order_relaxed) != 0;
}

int StopRequest::Signal() noexcept {
  return gSignal.load(std::memory_order_relaxed);
}

void StopRequest::Clear() noexcept {
  gSignal.store(0, std::memory_order_relaxed);
}
