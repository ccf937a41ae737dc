/* Shapes the C scanner recognises, and some it does not. */
#include <stdio.h>
#define TWICE(x) \
  ((x) * 2)

/* adds two numbers */
static int
add(int a, int b)
{
    return a + b;   /* { in a comment */
}

int one(void) { return 1; }

int proto(int a);

int
old_style(a, b)
int a;
int b;
{
    char c = '}';
    return a + b + (c == '{');
}

vector<int> skipped(int n)
{
    return n;
}

int
name_alone
(int argc)
{
    const char *s = "}";
    if (argc > 1) {
        add(one(), argc);
    }
    printf("%s\n", s);
    return TWICE(argc);
}
