// Web patterns: the e-mail addresses and URLs found on a page, for the generated sources
// "Tagged Email 1..4" and "Tagged URL 1..4".
#pragma once

#include <string_view>

#include "input/input_tables.h"

namespace vt {

// The first e-mail address of a text: the run of letters, digits, '-', '.' and '_' around its
// first "@"; empty when there is no "@" or the run has 6 characters or fewer.
[[nodiscard]] std::string_view ExtractEmail(std::string_view text);
// The first URL: the letters and digits before its first "://", then letters, digits and
// ".-_~/" after it; empty when there is none or it has 6 characters or fewer.
[[nodiscard]] std::string_view ExtractUrl(std::string_view text);

// Fills WebEmails and WebUrls with up to four distinct addresses and URLs of the page, from
// PageText (`whole_page`) or line by line; a repeat ends the search (per line in line mode).
void FindWebPatterns(InputTables& in, bool whole_page);

}  // namespace vt
