// XML input: the tag list that the first records of the start block give, and XML names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "input/tag_fields.h"

namespace vt {

struct XmlTag {
  std::string text;    // at most 63 characters
  int occurrence = 1;  // the n-th repetition of this text within a record
};

struct XmlTagList {
  std::string table_tag;     // the root element's opening tag, "<" through ">"
  std::string record_tag;    // the record element's opening tag (up to its first attribute)
  std::vector<XmlTag> tags;  // tag 1 first; at most 99
};

// Lists the record tag, the fixed end tags, the child tags of the first record (repeats get
// rising occurrences), the record's attributes, and what later records in the block add.
XmlTagList BuildXmlTagList(std::string_view block);

}  // namespace vt
