/* Printing results and errors. */
#include <stdio.h>

#include "calc.h"

void print_value(double value, int verbose)
{
    if (verbose)
        printf("= %.10g\n", value);
    else
        printf("%g\n", value);
}

void report_error(const Lexer *lexer)
{
    fprintf(stderr, "error at column %d: %s\n", lexer->pos + 1,
            lexer->error != NULL ? lexer->error : "unexpected character");
}
