// Word-wrapping printer for the help and echo texts.
#include "cli/option_parser.h"

#include <cstring>

namespace {

// Starts a new line (or continues after a line feed of the text) at the indent.
int indent_line(int indent, std::FILE* stream) {
    for (int i = 0; i < indent; ++i) std::fputc(' ', stream);
    return indent < 1 ? 0 : indent;
}

// Length of the word at text: up to the next blank or the end (line feeds count).
int word_length(const char* text) {
    return static_cast<int>(std::strcspn(text, " "));
}

}  // namespace

int Bprt_wrap(const char* text, int width, int indent, int column, std::FILE* stream) {
    if (!text) return 0;
    for (; column < indent; ++column) std::fputc(' ', stream);
    if (*text != ' ' && column + word_length(text) > width) {
        std::fputc('\n', stream);
        column = indent_line(indent, stream);
    }
    for (const char* c = text; *c; ++c) {
        if (*c == ' ') {
            if (column + word_length(c + 1) <= width) {
                std::fputc(' ', stream);
                ++column;
            } else {
                std::fputc('\n', stream);
                column = indent_line(indent, stream);
            }
        } else if (*c == '\n') {
            std::fputc('\n', stream);
            column = c[1] ? indent_line(indent, stream) : 0;
        } else {
            std::fputc(*c, stream);
            ++column;
        }
    }
    return column;
}
