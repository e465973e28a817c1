// ThreadSanitizer and libpulse, which is not instrumented.
//
// libpulse hands memory from thread to thread through lock-free structures
// whose atomics ThreadSanitizer cannot see: process-wide free lists of
// packets and memory blocks (shared by every client in the process, here
// the back-end and the test's tone player), and mutexes created lazily on
// first use (pa_once, pa_static_mutex_get). The memcpy, malloc and mutex
// calls libpulse makes on such memory then look like races between two
// libpulse threads, with nothing of ours in either stack.
//
// ignore_noninstrumented_modules makes ThreadSanitizer ignore the memory
// accesses of calls that uninstrumented code makes into it (libpulse's
// memcpy, its malloc, the mutex object itself), while still tracking the
// synchronisation those calls perform: the loop lock orders our threads as
// before, and every access of our own code, the input procedures on the
// loop thread included, is checked as everywhere else. (A called_from_lib
// suppression would not do: it drops libpulse's mutex calls altogether, and
// with them the loop lock.)
extern "C" const char* __tsan_default_options()
{
    return "ignore_noninstrumented_modules=1";
}
