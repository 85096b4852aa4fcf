// Gender list file: line reading and cutting with the input reader's own rules.
#include "output/gender_list_file.h"

#include <vector>

#include "input/delimited_split.h"
#include "input/line_reader.h"
#include "parsing/gender.h"
#include "strings/char_class.h"
#include "strings/fixed_text.h"

namespace vt {

namespace {

std::int16_t GenderOfLetter(const std::string& field) {
  if (field.empty()) return 0;
  if (field[0] == 'M' || field[0] == 'm') return 1;
  if (field[0] == 'F' || field[0] == 'f') return -1;
  return 0;
}

}  // namespace

void LoadGenderList(std::FILE* file, GenderList& list) {
  list.GenderListNames.fill({});
  list.GenderListValues.fill(0);
  LineReader reader(file);
  std::string line;
  std::vector<std::string> fields;
  for (int k = 0; k < GenderList::kCapacity && reader.ReadLine(line); ++k) {
    // Fields of a short line are empty, never left over from the line before.
    const int count = SplitCommaRecord(line, fields, {.max_fields = 2, .max_value = 1299});
    std::string& name = fields[1];
    if (count < 1) name.clear();
    for (char& c : name) c = UpperAscii(c);
    CopyText(list.GenderListNames[static_cast<std::size_t>(k)],
             std::string_view(name).substr(0, GenderList::kNameLimit));
    list.GenderListValues[static_cast<std::size_t>(k)] = count >= 2 ? GenderOfLetter(fields[2]) : 0;
  }
  IndexGenderList(list);
}

void LoadGenderListFile(const std::string& path, GenderList& list) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return;
  LoadGenderList(file, list);
  std::fclose(file);
}

}  // namespace vt
