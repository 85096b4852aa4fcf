// Web-form reader: the pairs of each record cut into the fields the names already have; a run
// adds no names.
#include "input/readers/web_form_reader.h"

#include "input/web_form.h"

namespace vt {

namespace {

// A run's records join only the lines that end in "!"; Next and Previous cut at the first one.
ReaderSetup JoiningEndingBang(ReaderSetup setup) {
  setup.text.web_form = WebFormLines::kEndingBang;
  return setup;
}

class WebFormReader : public TextReader {
 public:
  explicit WebFormReader(const ReaderSetup& setup) : TextReader(JoiningEndingBang(setup)) {}

 private:
  void CutLine(InputTables& in) override { (void)CutWebForm(in, false); }
};

}  // namespace

std::unique_ptr<RecordReader> MakeWebFormReader(const ReaderSetup& setup) {
  return std::make_unique<WebFormReader>(setup);
}

}  // namespace vt
