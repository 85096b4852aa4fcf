// XML input: the tag list of the start block and the XML element names.
#include "input/xml_tags.h"

#include <algorithm>
#include <cstring>

namespace vt {

namespace {

constexpr auto npos = std::string_view::npos;
constexpr std::size_t kBlockSize = 15000;
constexpr std::size_t kElementTextLimit = 127;
constexpr std::size_t kTagTextLimit = 63;

// The opening tag at `at`: "<" through the next ">" (or the block's end), cut at `limit`.
std::string_view TagAt(std::string_view block, std::size_t at, std::size_t limit) {
  const std::size_t close = block.find('>', at);
  const std::size_t end = close == npos ? block.size() : close + 1;
  return block.substr(at, std::min(end - at, limit));
}

// The next "<" after `at`, passing over up to three "<!" tags.
std::size_t NextElement(std::string_view block, std::size_t at) {
  std::size_t p = block.find('<', at + 1);
  for (int skipped = 0; skipped < 3 && p != npos && p + 1 < block.size() && block[p + 1] == '!';
       ++skipped) {
    p = block.find('<', p + 1);
  }
  return p;
}

int CountOf(const std::vector<XmlTag>& tags, std::string_view text) {
  return static_cast<int>(
      std::count_if(tags.begin(), tags.end(), [&](const XmlTag& t) { return t.text == text; }));
}

void AddRepeat(std::vector<XmlTag>& tags, std::string text) {
  const int listed = CountOf(tags, text);
  tags.push_back({std::move(text), listed + 1});
}

std::string ChildTagText(std::string_view block, std::size_t at, bool cut_at_blank) {
  std::string text(TagAt(block, at, kTagTextLimit));
  if (const std::size_t slash = text.find("/>"); slash != std::string::npos)
    text.replace(slash, 2, ">");
  if (cut_at_blank) {
    if (const std::size_t blank = text.find(' '); blank != std::string::npos)
      text.resize(blank + 1);
  }
  return text;
}

// Each attribute of a tag's attribute part: the blank before its name through "=" and the
// opening quote.
std::vector<std::string> AttributeTags(std::string_view attributes) {
  std::vector<std::string> found;
  for (std::size_t eq = attributes.find('='); eq != npos; eq = attributes.find('=', eq + 1)) {
    const std::size_t blank = attributes.rfind(' ', eq);
    const std::size_t from = blank == npos ? 0 : blank;
    const std::size_t end = std::min(eq + 2, attributes.size());
    found.emplace_back(attributes.substr(from, end - from).substr(0, kTagTextLimit));
  }
  return found;
}

struct RecordShape {
  std::string open;        // the tag text that opens a record
  std::string close;       // "</name>"
  std::string attributes;  // from the blank before the first attribute, cut at ">"
};

RecordShape ShapeOf(std::string_view tag) {
  RecordShape shape;
  shape.open = std::string(tag);
  const std::size_t eq = tag.find('=');
  const std::size_t gt = tag.find('>');
  if (eq != npos && (gt == npos || eq < gt)) {
    const std::size_t blank = tag.find(' ');
    if (blank != npos && blank < eq) {
      shape.open = std::string(tag.substr(0, blank + 1));
      shape.attributes = std::string(tag.substr(blank, (gt == npos ? tag.size() : gt) - blank));
    }
  }
  std::string name = shape.open.substr(1);
  while (!name.empty() && (name.back() == '>' || name.back() == ' ')) name.pop_back();
  shape.close = "</" + name + ">";
  return shape;
}

// Child tags of the part block[from, end): "<" that are neither closing nor "<!" tags.
template <typename F>
void ForEachChild(std::string_view block, std::size_t from, std::size_t end, F&& visit) {
  for (std::size_t p = block.find('<', from); p != npos && p < end; p = block.find('<', p + 1)) {
    if (p + 1 < block.size() && (block[p + 1] == '/' || block[p + 1] == '!')) continue;
    if (!visit(p)) return;
  }
}

void AddLaterRecords(std::string_view block, const RecordShape& shape, std::size_t from,
                     std::vector<XmlTag>& tags) {
  while (static_cast<int>(tags.size()) < kMaxTags) {
    const std::size_t open = block.find(shape.open, from);
    if (open == npos) return;
    const std::size_t close = block.find(shape.close, open);
    if (close == npos) return;
    const RecordShape here = ShapeOf(TagAt(block, open, kElementTextLimit));
    for (std::string& attribute : AttributeTags(here.attributes)) {
      if (static_cast<int>(tags.size()) >= kMaxTags) return;
      if (CountOf(tags, attribute) == 0) tags.push_back({std::move(attribute), 1});
    }
    // Texts this record repeats more often than the list holds them get one more entry.
    std::vector<std::pair<std::string, int>> seen;
    ForEachChild(block, open + shape.open.size(), close, [&](std::size_t p) {
      std::string text = ChildTagText(block, p, true);
      auto it = std::find_if(seen.begin(), seen.end(), [&](auto& s) { return s.first == text; });
      if (it == seen.end()) it = seen.insert(seen.end(), {text, 0});
      ++it->second;
      if (it->second > CountOf(tags, text)) AddRepeat(tags, std::move(text));
      return static_cast<int>(tags.size()) < kMaxTags;
    });
    from = close + shape.close.size();
  }
}

}  // namespace

XmlTagList BuildXmlTagList(std::string_view block) {
  XmlTagList list;
  const std::size_t declaration = block.find('<');
  if (declaration == npos) return list;
  const std::size_t root = NextElement(block, declaration);
  if (root == npos) return list;
  list.table_tag = std::string(TagAt(block, root, kElementTextLimit));
  const std::size_t record = NextElement(block, root);
  if (record == npos) return list;

  const RecordShape shape = ShapeOf(TagAt(block, record, kElementTextLimit));
  list.record_tag = shape.open;
  std::size_t end = block.find(shape.close, record);
  if (end == npos) end = block.find(shape.open, record + shape.open.size());
  if (end == npos) end = block.size() < kBlockSize ? block.rfind('<') : block.size();

  std::vector<XmlTag>& tags = list.tags;
  tags = {{shape.open.substr(0, kTagTextLimit), 1}, {"\" ", 1}, {"\">", 1}, {"</", 1}};
  ForEachChild(block, record + shape.open.size(), end, [&](std::size_t p) {
    AddRepeat(tags, ChildTagText(block, p, false));
    return static_cast<int>(tags.size()) < kMaxTags;
  });
  for (std::string& attribute : AttributeTags(shape.attributes)) {
    if (static_cast<int>(tags.size()) >= kMaxTags) break;
    AddRepeat(tags, std::move(attribute));
  }
  const std::size_t after = block.find(shape.close, record);
  if (after != npos) AddLaterRecords(block, shape, after + shape.close.size(), tags);
  return list;
}

}  // namespace vt
