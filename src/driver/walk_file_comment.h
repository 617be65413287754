// The comment a generate-walks run writes before its first walk: where the
// walks come from and the command line, cut to the length its buffer holds.
#pragma once

#include <string>

#include "driver/settings.h"
#include "walks/generation_comment.h"

// The origin and the command line of settings.argv; when the comment is cut
// "Command line cut to 135 characters in the walk file's comment" goes to
// standard error.
std::string walk_file_comment(const Settings& settings);
