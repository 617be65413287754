// The comment line of a generated walk file.
#include "driver/walk_file_comment.h"

#include <cstdio>

std::string walk_file_comment(const Settings& settings) {
    std::string comment(kCommentOrigin);
    comment += "Korvi";
    for (int i = 1; i < settings.argc; ++i) {
        comment += ' ';
        comment += settings.argv[i];
    }
    if (comment.size() > kCommentLimit) {
        comment.resize(kCommentLimit);
        std::fprintf(stderr, "Command line cut to %zu characters in the walk file's comment\n",
                     kCommentLimit);
    }
    return comment;
}
