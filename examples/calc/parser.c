/* The parser: a recursive descent over
 *   expr   = term { ("+" | "-") term }
 *   term   = factor { ("*" | "/") factor }
 *   factor = number | "-" factor | "(" expr ")"
 */
#include "calc.h"

static int parse_expr(Lexer *lexer, double *value);

static int fail(Lexer *lexer, const char *error)
{
    lexer->error = error;
    return -1;
}

static int parse_factor(Lexer *lexer, double *value)
{
    if (lexer->kind == TOKEN_NUMBER) {
        *value = lexer->number;
        lexer_next(lexer);
        return 0;
    }
    if (lexer->kind == TOKEN_OP && lexer->op == '-') {
        lexer_next(lexer);
        if (parse_factor(lexer, value) != 0)
            return -1;
        *value = -*value;
        return 0;
    }
    if (lexer->kind != TOKEN_OPEN)
        return fail(lexer, "number expected");
    lexer_next(lexer);
    if (parse_expr(lexer, value) != 0)
        return -1;
    if (lexer->kind != TOKEN_CLOSE)
        return fail(lexer, "')' expected");
    lexer_next(lexer);
    return 0;
}

static int parse_term(Lexer *lexer, double *value)
{
    double right;

    if (parse_factor(lexer, value) != 0)
        return -1;
    while (lexer->kind == TOKEN_OP && (lexer->op == '*' || lexer->op == '/')) {
        char op = lexer->op;

        lexer_next(lexer);
        if (parse_factor(lexer, &right) != 0)
            return -1;
        if (op == '/' && right == 0.0)
            return fail(lexer, "division by zero");
        *value = op == '*' ? *value * right : *value / right;
    }
    return 0;
}

static int parse_expr(Lexer *lexer, double *value)
{
    double right;

    if (parse_term(lexer, value) != 0)
        return -1;
    while (lexer->kind == TOKEN_OP && (lexer->op == '+' || lexer->op == '-')) {
        char op = lexer->op;

        lexer_next(lexer);
        if (parse_term(lexer, &right) != 0)
            return -1;
        *value = op == '+' ? *value + right : *value - right;
    }
    return 0;
}

int parse_line(Lexer *lexer, double *value)
{
    if (parse_expr(lexer, value) != 0)
        return -1;
    if (lexer->kind != TOKEN_END)
        return fail(lexer, "end of line expected");
    return 0;
}
