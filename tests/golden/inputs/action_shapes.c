#include <stdio.h>

/* smaller of two */
static int smaller(int a, int b)
{
    if (a < b && b > 0) return a; /* first */
    else if (a == b) {
        puts("same & \"equal\"");
    }
    else
        if (b < 0) b = -b;
    return b;
}

int proto(void);

void loops(int n)
{
    int i;
    for (i = 0; i < n; i++) { printf("%d\n", i); }
    while (n > 0) n--;
    do {
        n++; // count up
    } while (n < 10);
    switch (n) {
    case 1:
    case 'x': n = 0x1F; break;
    default:
        n = sizeof(int);
    }
}
