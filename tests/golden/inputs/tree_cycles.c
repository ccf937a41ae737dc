/* main -> ping <-> pong; self calls itself; both print through a library. */
#include <stdio.h>

int pong(int n);

int ping(int n)
{
    if (n > 0)
        return pong(n - 1);
    return puts("ping");
}

int pong(int n)
{
    if (n > 0)
        return ping(n - 1);
    return puts("pong");
}

int self(int n)
{
    return n > 0 ? self(n - 1) : 0;
}

int main(void)
{
    ping(3);
    printf("%d\n", self(2));
    return 0;
}
