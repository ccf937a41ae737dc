/* calc: reads arithmetic expressions, one per line, and prints their values. */
#include <stdio.h>
#include <string.h>

#include "calc.h"

static void usage(const char *program)
{
    fprintf(stderr, "usage: %s [-v]\n", program);
}

static int run(FILE *in, int verbose)
{
    char line[256];
    int failures = 0;

    while (fgets(line, sizeof line, in) != NULL) {
        Lexer lexer;
        double value;

        lexer_init(&lexer, line);
        if (parse_line(&lexer, &value) != 0) {
            report_error(&lexer);
            failures++;
            continue;
        }
        print_value(value, verbose);
    }
    return failures;
}

int main(int argc, char **argv)
{
    int verbose = 0;

    if (argc > 2 || (argc == 2 && strcmp(argv[1], "-v") != 0)) {
        usage(argv[0]);
        return 2;
    }
    if (argc == 2)
        verbose = 1;
    return run(stdin, verbose) == 0 ? 0 : 1;
}
