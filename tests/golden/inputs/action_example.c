int main(void)
{
if (a) { x = 1; } else { y = 2; }
}
