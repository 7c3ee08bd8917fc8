/* libfaketime wraps clock_gettime, but a 32-bit program built with a 64-bit
   time_t (32-bit Wine is) calls __clock_gettime64, which Wine reads the time
   of day with. Preloaded before libfaketime, this passes the call on to the
   wrapped one. Built with gcc -m32 -shared -fPIC. */
#include <time.h>

struct timespec64 {
    long long tv_sec;
    long tv_nsec;
    long padding;
};

int __clock_gettime64(clockid_t clock, struct timespec64* t) {
    struct timespec s;
    int result = clock_gettime(clock, &s);
    if (result == 0) {
        t->tv_sec = s.tv_sec;
        t->tv_nsec = s.tv_nsec;
        t->padding = 0;
    }
    return result;
}
