// The .lwk walk file: one record after another, each a header, a parameter
// line, vertex lines of five (number, element) pairs and a "$$$$" line.
#pragma once

#include <cstdio>

struct WalkRecord;

// Writes the record, preceded by one "# " line per line of the comment when a
// comment is given. Returns 0, or 1 when the stream or record is missing (or
// the record claims more positions than it has room for).
int Xwrlwk(std::FILE* fp, const WalkRecord* walk, const char* comment);

// Reads the next record, skipping the comment lines before it. Null at the end
// of the file or after a message on standard error; the caller frees the record.
WalkRecord* Xrdlwk(std::FILE* fp);
