// Record readers: how each input kind reads its records from the open input into the record
// tables and cuts them into fields. One file pair per kind; readers.h holds the only table.
#pragma once

#include <cstdint>

#include "input/binary_fields.h"
#include "input/input_files.h"
#include "input/input_tables.h"
#include "input/page_fields.h"
#include "input/page_image.h"
#include "input/record_cut.h"

namespace vt {

enum class InputKind {
  kComma,
  kTab,
  kSpecial,
  kFixed,
  kWebForm,
  kPage,
  kBinary,
  kDbase,
};

// What a page reader needs: how pages end and what a record's fields are made of.
struct PageSetup {
  PageOptions breaks;
  PageCut cut;
};

// What a reader needs to know of the input's settings.
struct ReaderSetup {
  TextRecordOptions text;
  char delimiter = ' ';                  // the other-delimited kind's byte
  bool names_from_first_record = false;  // the first record holds the field names, not data
  BinaryOptions binary;                  // how binary fields read
  PageSetup page;
};

class RecordReader {
 public:
  virtual ~RecordReader() = default;
  // Back to the first record of the input.
  virtual void Rewind(InputTables& in) = 0;
  // The next record into the tables (the raw record, and for dBase its values); false at the
  // end of the input, when no record was read.
  virtual bool Read(InputTables& in) = 0;
  // The record read, cut into its fields (values, names and the count in InputFieldCounts[0]).
  virtual void Cut(InputTables& in) = 0;
  // Whether a first record of field names is passed over before the data.
  virtual bool SkipsNamesRecord() const { return false; }
  // Something outside the reader may have written the tables (events between records).
  virtual void TablesChanged() {}
  // Whether a cut may change the counts of fields outside InputFieldCounts[0] (the tag count of
  // an HTML row), so that the fields a record has are to be counted again after each cut.
  virtual bool CutChangesOtherCounts() const { return false; }
  // Whether the record in hand has more records after it on its page: a run that stops at its
  // test limit finishes the page first.
  virtual bool MoreOnPage(const InputTables& /*in*/) const { return false; }
};

// Clears the values the previous cut left, so that a shorter record shows none of them.
void ClearCutValues(InputTables& in);

}  // namespace vt
