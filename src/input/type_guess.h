// Input type guess: what the first 15,000 bytes and the first lines of a file say it holds,
// and the hint lines that explain the guess.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "input/input_files.h"

namespace vt {

inline constexpr std::size_t kStartBlockSize = 15000;
inline constexpr int kFormFeedLines = 99;  // lines looked at for a form feed

// What the start block says.
struct StartBlockGuess {
  bool xml = false;                  // begins with "<?xml", case as written
  bool html_table = false;           // holds "<TABLE", "<TD" and "<TR" in any case
  std::string html_row_tag = "<TR";  // "<tr" when the block writes it so
};

// The block is text up to its first NUL.
StartBlockGuess GuessFromStartBlock(std::string_view block);

enum class DelimiterGuess { kFixed, kComma, kTab };

// A comma followed by a double quote means comma delimited (even when a TAB is there too);
// else a TAB means tab delimited; else fixed format.
DelimiterGuess GuessFromFirstLine(std::string_view first_line);

// Reads on from the line after the first and tells whether one of the first kFormFeedLines
// lines (the first one, `first_line`, included) starts with a form feed.
bool FindFormFeedLine(std::string_view first_line, TextInput& input,
                      const TextRecordOptions& options);

// The hint panel's lines after a text file is opened.
struct OpenHintFacts {
  bool form_feed = false;
  bool xml = false;
  bool comma = false;
  bool tab = false;
  bool html_table = false;
};
std::vector<std::string> TextOpenHints(const OpenHintFacts& facts);

// Bytes as a byte view shows them: NUL as '.', other bytes below 32 or above 127 as 127.
std::string ByteViewText(std::string_view bytes);

// 300 rows of 50 bytes of the block in the byte view; bytes past its end show as NUL does.
std::vector<std::string> ByteViewRows(std::string_view block);

}  // namespace vt
