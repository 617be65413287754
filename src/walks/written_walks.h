// A quick reader for .lwk text held in memory that has exactly the form the
// walk file writer gives it. For such text it finds the records Xrdlwk would
// return, with nothing to report, in one pass over the bytes; any other text
// it declines, and the file is then read with Xrdlwk.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

// One record as the scan found it; the pointers are valid during the call only.
struct ScannedWalk {
    std::string_view name;
    float params[3] = {};
    const int* numbers = nullptr;  // vertex number per position
    int count = 0;                 // positions
};

// Gives every record of text to take, in file order (take returns false to
// stop the scan, which then returns false), and returns true when
// the whole text is made of comment lines ("#" ...) before headers and of
// records of this form, every line ending in a line feed:
//   name TAB count               (a name without tabs, not starting with "#",
//                                 a count of 1 to 65536 in plain digits)
//   p TAB p TAB p                (three plain decimal numbers)
//   n TAB e [TAB n TAB e ...]    (plain digits, count pairs in all)
//   $$$$
// with no line longer than 120 characters (comments excepted) and no carriage
// return or NUL anywhere. Returns false at the first line of any other form;
// the records given before then are to be read again.
bool scan_written_walks(std::string_view text, const std::function<bool(const ScannedWalk&)>& take);

// The length of text up to the end of its last "$$$$" line, or 0. Text read
// in pieces cut there scans piece by piece as it scans whole: each piece
// ends after a record, the text of the writer's form has no other such line,
// and the scan carries nothing from one record to the next. (text begins at
// the start of a line.)
std::size_t whole_records_length(std::string_view text);
