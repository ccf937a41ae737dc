/* fsearch.c: search text files for a word (sample sources of Veldra/C)
 *
 *   fsearch [-i] [-l] word file...
 */
#include <ctype.h>
#include <string.h>

#include "fsearch.h"

/* Compares one character pair, folding case when asked. */
static int same_char(int a, int b, int ignore_case)
{
    if (ignore_case) {
        return tolower((unsigned char)a) == tolower((unsigned char)b);
    }
    return a == b;
}

int fs_line_matches(const char *line, const char *word, int ignore_case)
{
    size_t length = strlen(word);
    const char *p;

    for (p = line; *p != '\0'; p++) {
        size_t i = 0;
        while (i < length && p[i] != '\0' && same_char(p[i], word[i], ignore_case)) {
            i++;
        }
        if (i == length) {
            return 1;
        }
    }
    return 0;
}

int fs_search_file(const char *name, const char *word, const FsOptions *options)
{
    char line[FS_LINE_MAX];
    int number = 0;
    int hits = 0;
    FILE *fp = fopen(name, "r");

    if (fp == NULL) {
        perror(name);
        return -1;
    }
    while (fgets(line, sizeof line, fp) != NULL) {
        number++;
        if (!fs_line_matches(line, word, options->ignore_case)) {
            continue;
        }
        hits++;
        if (options->names_only) {
            printf("%s\n", name);
            break;
        }
        printf("%s(%d): %s", name, number, line);
    }
    fclose(fp);
    return hits;
}

int main(int argc, char *argv[])
{
    FsOptions options = {0, 0};
    int arg = 1;
    int total = 0;

    while (arg < argc && argv[arg][0] == '-') {
        if (strcmp(argv[arg], "-i") == 0) {
            options.ignore_case = 1;
        } else if (strcmp(argv[arg], "-l") == 0) {
            options.names_only = 1;
        } else {
            fprintf(stderr, "fsearch: unknown option %s\n", argv[arg]);
            return 2;
        }
        arg++;
    }
    if (argc - arg < 2) {
        fprintf(stderr, "usage: fsearch [-i] [-l] word file...\n");
        return 2;
    }
    for (int i = arg + 1; i < argc; i++) {
        int hits = fs_search_file(argv[i], argv[arg], &options);
        if (hits > 0) {
            total += hits;
        }
    }
    return total > 0 ? 0 : 1;
}
