// Quick readers of numbers written in their plain forms, giving exactly what
// a %d or %f conversion of sscanf gives. They decline every other form (and
// the reader then calls sscanf), so they never have to match its rarer rules.
#pragma once

// White space as sscanf skips it before a conversion (the C locale's).
inline bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
const char* skip_space(const char* text);

// After white space: an optional sign and 1 to 18 digits. Stores the value %d
// would store and where the digits end; false (nothing stored) for any other
// text.
bool plain_int(const char* text, int* value, const char** end);

// After white space: an optional sign, digits with at most one decimal point
// (at least one digit), followed by no letter and no further point. Stores
// the value %f would store and where the number ends; false (nothing stored)
// for any other text, exponents, hexadecimal, infinities and NaN included.
bool plain_float(const char* text, float* value, const char** end);
