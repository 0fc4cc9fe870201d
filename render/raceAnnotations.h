#pragma once
// A blocking queued call and QThread::wait synchronise inside Qt, which
// ThreadSanitizer does not see; these mark the same hand-overs for it and
// are no-ops otherwise.

#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

namespace gyrelune {

inline void markAcquire([[maybe_unused]] void* token) {
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(token);
#endif
}

inline void markRelease([[maybe_unused]] void* token) {
#if defined(__SANITIZE_THREAD__)
    __tsan_release(token);
#endif
}

} // namespace gyrelune
