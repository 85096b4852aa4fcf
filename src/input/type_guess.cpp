// Input type guess: start-block sniffing, the first-line delimiter guess, the form-feed search.
#include "input/type_guess.h"

#include <cstring>

#include "strings/fixed_text.h"
#include "strings/search.h"

namespace vt {

namespace {

bool Holds(std::string_view text, std::string_view searched) {
  return FindText(text, searched) != std::string_view::npos;
}

}  // namespace

StartBlockGuess GuessFromStartBlock(std::string_view block) {
  const std::string_view text = UpToNul(block);
  StartBlockGuess guess;
  if (text.starts_with("<?xml")) {
    guess.xml = true;
    return guess;
  }
  if (Holds(text, "<TABLE") && Holds(text, "<TD") && Holds(text, "<TR")) {
    guess.html_table = true;
    if (text.find("<tr") != std::string_view::npos) guess.html_row_tag = "<tr";
  }
  return guess;
}

DelimiterGuess GuessFromFirstLine(std::string_view first_line) {
  if (first_line.find(",\"") != std::string_view::npos) return DelimiterGuess::kComma;
  if (first_line.find('\t') != std::string_view::npos) return DelimiterGuess::kTab;
  return DelimiterGuess::kFixed;
}

bool FindFormFeedLine(std::string_view first_line, TextInput& input,
                      const TextRecordOptions& options) {
  if (!first_line.empty() && first_line.front() == '\f') return true;
  std::string line;
  for (int looked = 1; looked < kFormFeedLines; ++looked) {
    if (!input.ReadLine(line)) return false;
    PrepareTextLine(line, options);
    if (!line.empty() && line.front() == '\f') return true;
  }
  return false;
}

std::vector<std::string> TextOpenHints(const OpenHintFacts& facts) {
  if (facts.html_table) {
    return {
        "The beginning of an HTML table was detected in your file. The appropriate special "
        "settings have been made to extract the data from the table and user setting of data "
        "tags has been disabled.  If you wish to extract other data, please uncheck the \"HTML "
        "Table\" box and change the settings to those which you need. Now click Page tab."};
  }
  std::vector<std::string> lines = {
      "The first line of input is displayed.  Please click on the appropriate button for the "
      "type of input, if the incorrect one is selected.  For fixed format or binary input you "
      "will need to set divider tabs by clicking below the input line image."};
  if (facts.form_feed)
    lines.emplace_back("Form Feeds (ASCII 12) were found, so this is probably a Page Image file.");
  if (facts.xml) lines.emplace_back("This appears to be an XML Tagged Data file, see Page tab.");
  if (facts.comma)
    lines.emplace_back(",\" pairs were found so this is probably a Comma Delimited file.");
  if (facts.tab)
    lines.emplace_back("Tabs (ASCII 9) were found so this is probably a Tab Delimited file.");
  return lines;
}

std::string ByteViewText(std::string_view bytes) {
  std::string text(bytes);
  for (char& c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0) {
      c = '.';
    } else if (b < 32 || b > 127) {
      c = '\x7F';
    }
  }
  return text;
}

std::vector<std::string> ByteViewRows(std::string_view block) {
  constexpr std::size_t kRows = 300;
  constexpr std::size_t kRowBytes = 50;
  std::vector<std::string> rows(kRows);
  for (std::size_t r = 0; r < kRows; ++r) {
    std::string row(block.substr(std::min(r * kRowBytes, block.size()), kRowBytes));
    row.resize(kRowBytes, '\0');
    rows[r] = ByteViewText(row);
  }
  return rows;
}

}  // namespace vt
