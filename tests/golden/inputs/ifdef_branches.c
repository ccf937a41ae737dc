#include "ifdef_branches.h"
#ifdef DEBUG
int debug_only(void) { return 1; }
#else
int release_only(void) { return 0; }
#endif
#if 0
int never(void) { return 0; }
#endif
#if VERSION >= 3
int version3(void) { return 3; }
#endif
#if defined(A) && defined(DEBUG)
int both(void) { return 1; }
#elif 1 + 2 == 3
int sum_first(void) { return 1; }
#else
int neither(void) { return 1; }
#endif
#if !defined X
int not_x(void) { return 1; }
#endif
#if DEBUG
int debug_valueless(void) { return 1; }
#endif
int always(void)
{
#ifdef DEBUG
    trace();
#endif
    return 0;
}
