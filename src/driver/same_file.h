// Whether two names refer to the same existing file.
#pragma once

// True when both names exist and are the same file (also through links).
bool same_file(const char* a, const char* b);
