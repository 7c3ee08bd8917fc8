/* libfaketime wraps clock_gettime and gettimeofday, but a 32-bit program
   built with a 64-bit time_t (32-bit Wine is) calls __clock_gettime64 and
   __gettimeofday64. Preloaded before libfaketime, these pass the calls on to
   the wrapped ones. Built with gcc -m32 -shared -fPIC. */
#include <sys/time.h>
#include <time.h>

struct timespec64 {
    long long tv_sec;
    long tv_nsec;
    long padding;
};
struct timeval64 {
    long long tv_sec;
    long long tv_usec;
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

int __gettimeofday64(struct timeval64* t, void* zone) {
    struct timeval v;
    int result = gettimeofday(&v, zone);
    if (result == 0 && t) {
        t->tv_sec = v.tv_sec;
        t->tv_usec = v.tv_usec;
    }
    return result;
}
