// Web-form data: a record of URL-encoded name=value pairs joined by "&"; every distinct name is
// an input field, its name kept in the tag table.
#pragma once

#include <string>

#include "input/input_tables.h"

namespace vt {

// '+' becomes a blank and "%hh" the byte hh (a blank below 32); a '%' without two hexadecimal
// digits after it stays. Cut at 1,299 characters.
void DecodeFormValue(std::string& value);

// Cuts InputLine into the form's fields. A name not seen before becomes tag TagCount + 1 when
// `add_names` and fewer than 99 names exist; otherwise its value is dropped. Pairs without "="
// or with an empty name are passed over. Returns the field count (TagCount).
int CutWebForm(InputTables& in, bool add_names);

}  // namespace vt
