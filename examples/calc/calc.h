#ifndef CALC_H
#define CALC_H

typedef enum { TOKEN_NUMBER, TOKEN_OP, TOKEN_OPEN, TOKEN_CLOSE, TOKEN_END, TOKEN_BAD } TokenKind;

typedef struct {
    const char *text;
    int pos;
    TokenKind kind;
    double number;
    char op;
    const char *error;
} Lexer;

void lexer_init(Lexer *lexer, const char *text);
void lexer_next(Lexer *lexer);
int parse_line(Lexer *lexer, double *value);
void report_error(const Lexer *lexer);
void print_value(double value, int verbose);

#endif
