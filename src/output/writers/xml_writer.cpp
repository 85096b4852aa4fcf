// XML output: the declaration, the table element and one element per record.
#include "output/writers/xml_writer.h"

#include "output/field_names.h"

namespace vt {

namespace {

class XmlWriter : public RecordWriter {
 public:
  explicit XmlWriter(const WriterSetup& setup) : RecordWriter(setup) {
    // The edits are kept valid by their exit handlers; a name set any other way is made
    // valid here, so the file is always well-formed.
    MakeXmlName(setup.xml_table, table_);
    MakeXmlName(setup.xml_record, record_);
    open_ = "<" + record_ + ">";
    close_ = "</" + record_ + ">\r\n";
  }
  // A comma-separated name line inside the table element would be stray character data.
  bool TakesFieldNames() const override { return false; }

  void Prologue(OutputSink& sink) const override {
    sink.Write("<?xml version=\"1.0\"?>");
    if (setup().streams <= 1) sink.Write(Terminator());
    sink.Write("<" + table_ + ">");
    sink.Write(Terminator());
  }

  void Record(OutputSink& sink, std::string_view record) const override {
    sink.Write(open_);
    if (setup().streams > 1) {
      sink.Write(record);  // one line per record for the interleave pass
    } else {
      sink.Write(Terminator());
      sink.WriteReplacing(record, kRecordLineBreak, Terminator());
      sink.Write(Terminator());
    }
    sink.Write(close_);
  }

  void Epilogue(OutputSink& sink, std::uint64_t /*records*/) const override {
    sink.Write("</" + table_ + ">");
    sink.Write(Terminator());
  }

 private:
  std::string table_;
  std::string record_;
  std::string open_;
  std::string close_;
};

}  // namespace

std::unique_ptr<RecordWriter> MakeXmlWriter(const WriterSetup& setup) {
  return std::make_unique<XmlWriter>(setup);
}

}  // namespace vt
