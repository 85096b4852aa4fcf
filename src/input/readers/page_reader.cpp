// Page reader: pages from the page-image reader, records stepped block by block and band by
// band; the fields of the page are cut once per page, the band's for every record.
#include "input/readers/page_reader.h"

#include <algorithm>

namespace vt {

namespace {

class PageReader : public RecordReader {
 public:
  explicit PageReader(const ReaderSetup& setup) : setup_(setup.page) {}

  void Rewind(InputTables& in) override {
    RewindPages(in);
    on_page_ = false;
  }

  bool Read(InputTables& in) override {
    if (on_page_ && in.PageBlockIndex < BlockCountOf(in)) {
      ++in.PageBlockIndex;
      return true;
    }
    if (on_page_ && in.PageBandIndex < PageBandCount(in)) {
      ++in.PageBandIndex;
      in.PageBlockIndex = 1;
      return true;
    }
    // A page without data lines makes no record; the next page is read.
    while (ReadNextPage(in, setup_.breaks)) {
      if (PageBandCount(in) == 0) continue;
      on_page_ = true;
      page_cut_ = false;
      in.PageBandIndex = 1;
      in.PageBlockIndex = 1;
      return true;
    }
    on_page_ = false;
    return false;
  }

  void Cut(InputTables& in) override {
    if (!page_cut_) {
      // The fields of the previous page and record go, so a shorter one shows none of them.
      const int before = std::min(in.CountedFields(in.CutCountSum()), InputTables::kMaxFields);
      for (int f = 1; f <= before; ++f) in.InputFieldValues[static_cast<std::size_t>(f)].clear();
      page_fields_ = CutPageFields(in, setup_.cut);
      page_cut_ = true;
    }
    CutBandRecord(in, page_fields_, setup_.cut);
  }

  bool MoreOnPage(const InputTables& in) const override {
    return on_page_ &&
           (in.PageBlockIndex < BlockCountOf(in) || in.PageBandIndex < PageBandCount(in));
  }

  void TablesChanged() override { page_cut_ = false; }
  bool CutChangesOtherCounts() const override { return true; }

 private:
  const PageSetup setup_;
  bool on_page_ = false;
  bool page_cut_ = false;
  int page_fields_ = 0;
};

}  // namespace

std::unique_ptr<RecordReader> MakePageReader(const ReaderSetup& setup) {
  return std::make_unique<PageReader>(setup);
}

}  // namespace vt
