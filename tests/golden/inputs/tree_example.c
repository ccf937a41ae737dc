/* main calls a and b, a calls c, c calls d. */
int d(void)
{
    return 4;
}

int c(void)
{
    return d();
}

int a(void)
{
    return c();
}

int b(void)
{
    return 2;
}

int main(void)
{
    a();
    b();
    return 0;
}
