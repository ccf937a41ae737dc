#include "config.h"
#include <stdio.h>
#include "util.h"
#ifdef USE_LOG
void log_line(const char *s)
{
    puts(s);
}
#else
void log_stub(void)
{
}
#endif
#if LEVEL >= 3
int level_three(void)
{
    return 3;
}
#elif LEVEL == 2
int level_two(void)
{
    return 2;
}
#endif
int main(void)
{
    return 0;
}
