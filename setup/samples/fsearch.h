/* fsearch.h: search text files for a word (sample sources of Veldra/C) */
#ifndef FSEARCH_H
#define FSEARCH_H

#include <stdio.h>

#define FS_LINE_MAX 1024

/* Options of one search. */
typedef struct {
    int ignore_case;  /* compare letters without regard to case */
    int names_only;   /* print only the names of files that match */
} FsOptions;

int fs_search_file(const char *name, const char *word, const FsOptions *options);
int fs_line_matches(const char *line, const char *word, int ignore_case);

#endif
