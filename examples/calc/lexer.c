/* The lexer: numbers, the four operators and parentheses. */
#include <ctype.h>
#include <stdlib.h>

#include "calc.h"

static void skip_space(Lexer *lexer)
{
    while (isspace((unsigned char)lexer->text[lexer->pos]))
        lexer->pos++;
}

static void read_number(Lexer *lexer)
{
    char *end;

    lexer->number = strtod(lexer->text + lexer->pos, &end);
    lexer->pos = (int)(end - lexer->text);
    lexer->kind = TOKEN_NUMBER;
}

void lexer_init(Lexer *lexer, const char *text)
{
    lexer->text = text;
    lexer->pos = 0;
    lexer->error = NULL;
    lexer_next(lexer);
}

void lexer_next(Lexer *lexer)
{
    char c;

    skip_space(lexer);
    c = lexer->text[lexer->pos];
    if (c == '\0') {
        lexer->kind = TOKEN_END;
    } else if (isdigit((unsigned char)c) || c == '.') {
        read_number(lexer);
    } else if (c == '(' || c == ')') {
        lexer->kind = c == '(' ? TOKEN_OPEN : TOKEN_CLOSE;
        lexer->pos++;
    } else if (c == '+' || c == '-' || c == '*' || c == '/') {
        lexer->kind = TOKEN_OP;
        lexer->op = c;
        lexer->pos++;
    } else {
        lexer->kind = TOKEN_BAD;
    }
}
