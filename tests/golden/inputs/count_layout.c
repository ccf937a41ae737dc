/* file header */
#include <stdio.h>

/* f doubles a */
int f(int a)
{
    int b = a;

    /* double it */
    b = b * 2;
    b = b + 1;
    return b;
}
int g(void)
{

    return 1;
}
int x;
/* end */
