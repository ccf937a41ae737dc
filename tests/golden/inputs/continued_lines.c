/* A continued line inside a body: every report numbers the functions
   after it by their physical lines. */
int total(int a, int b)
{
    int sum = a + \
              b;
    return sum;
}

int twice(int a)
{
    return total(a, a);
}
