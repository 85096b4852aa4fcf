// Web-form reader: the pairs of each record cut into the fields the names already have; a run
// adds no names.
#include "input/readers/web_form_reader.h"

#include "input/web_form.h"

namespace vt {

namespace {

class WebFormReader : public TextReader {
 public:
  using TextReader::TextReader;

 private:
  void CutLine(InputTables& in) override { (void)CutWebForm(in, false); }
};

}  // namespace

std::unique_ptr<RecordReader> MakeWebFormReader(const ReaderSetup& setup) {
  return std::make_unique<WebFormReader>(setup);
}

}  // namespace vt
