// Field readers: take one value at a time from a line and return where the
// next field starts. "~", "-" and "-0" are no-value marks.
#pragma once

// Mode bits 3 to 5 (values 8, 16, 32) make the single quote the string quote;
// otherwise the double quote is used.
constexpr int kFieldSingleQuote = 8 | 16 | 32;

// Position after the current field: blanks and tabs are skipped, then the field
// up to the first blank, comma, tab or end. A comma is passed over; a blank,
// tab or the end is where the result points. nullptr for no position.
const char* Bfld_skip(const char* pos, int mode);

// Copies the string field at pos into out (which must hold the rest of the
// line): the first blank- or tab-delimited word, or, when that word begins with
// the mode's quote, everything up to the next quote (blanks kept, quotes
// dropped). Returns the position of the next field, or nullptr (out unchanged)
// when there is no word.
const char* Bfld_str(const char* pos, int mode, char* out);

// 1, 2 or 3 when the field at pos is "~", "-" or "-0"; else 0.
int Bfld_nil(const char* pos, int mode);

// Numeric fields. A no-value mark stores FLT_MAX, INT_MAX or UINT_MAX. Returns
// the position of the next field, or nullptr (out unchanged) when no number
// can be read.
const char* Bfld_flt(const char* pos, int mode, float* out);
const char* Bfld_int(const char* pos, int mode, int* out);
const char* Bfld_uns(const char* pos, int mode, unsigned int* out);

// The int fields of a line read one after another as repeated Bfld_int calls
// in mode 0 read them, up to the first field that gives no number, into out;
// at most room of them. Returns how many were read. Fields of plain digits
// between blanks and tabs (the walk and lattice files) take a quick path.
int int_fields(const char* line, int* out, int room);
