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
  OutputFormat Format() const override { return OutputFormat::kXml; }
  // A comma-separated name line inside the table element would be stray character data.
  bool TakesFieldNames() const override { return false; }
  bool TakesBlocks() const override { return false; }
  PlainLayout Plain() const override { return {}; }

  // An element named after the field, the value escaped whatever its length: an unescaped "<"
  // would break the file.
  void PlaceField(std::string& record, FieldPlacement& field, std::string& scratch) const override {
    const std::string_view name = field.name;
    if (record.size() + name.size() + 2 < kRecordLimit) {
      record.push_back('<');
      record.append(name);
      record.push_back('>');
    }
    EscapeXmlText(*field.value, scratch);
    field.value->assign(scratch);
    AppendToRecord(record, *field.value);
    if (record.size() + name.size() + 3 < kRecordLimit) {
      record.append("</");
      record.append(name);
      record.push_back('>');
    }
    if (field.batch && field.interleave <= 0) AppendToRecord(record, Terminator());
  }

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
    sink.Write(setup().xml_close_tag.empty() ? "</" + table_ + ">" : setup().xml_close_tag);
    sink.Write(Terminator());
  }

 private:
  std::string table_;
  std::string record_;
  std::string open_;
  std::string close_;
};

}  // namespace

void EscapeXmlText(std::string_view v, std::string& out) {
  out.clear();
  for (char c : v) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '&':
        out += "&amp;";
        continue;
      case '<':
        out += "&lt;";
        continue;
      case '>':
        out += "&gt;";
        continue;
      case '"':
        out += "&quot;";
        continue;
      default:
        break;
    }
    // XML 1.0 cannot carry other control bytes; BEL is the line-break marker, which the
    // writer turns into the record terminator.
    const bool allowed = byte >= 0x20 || c == '\t' || c == '\n' || c == '\r' || c == '\x07';
    if (!allowed) continue;
    if (byte <= '~') {
      out.push_back(c);
      continue;
    }
    out += "&#";
    if (byte >= 100) out.push_back(static_cast<char>('0' + byte / 100));
    out.push_back(static_cast<char>('0' + byte / 10 % 10));
    out.push_back(static_cast<char>('0' + byte % 10));
    out.push_back(';');
  }
}

std::unique_ptr<RecordWriter> MakeXmlWriter(const WriterSetup& setup) {
  return std::make_unique<XmlWriter>(setup);
}

}  // namespace vt
