/* 合計*/
#include <stdio.h>

// 合計を計算する
static int 計算(int a, int b)
{
    return a + b; /* 和*/
}

int 合計(int n)
{
    int s = 0;
    while (n > 0) {
        s = 計算(s, n);   /* 足す*/
        n--;
    }
    return s;
}

int main(void)
{
    printf("合計=%d\n", 合計(10));
    if (合計(3) > 5) {
        puts("大きい");
    }
    return 0;
}
