// The help file beside the program: every topic the window opens has its section, and no
// section waits for a topic that the window never opens.
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "window/view_fixture.h"

namespace vt {
namespace {

using HelpFile = testing::ViewTest;

std::string HelpText() {
  std::ifstream in(std::string(VONTRASK_SOURCE_DIR) + "/data/vontrask.html", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Each id of the file with the number of elements that carry it.
std::map<std::string, int> Ids(const std::string& html) {
  static const std::regex kId(R"re(\sid="([^"]*)")re");
  std::map<std::string, int> ids;
  for (std::sregex_iterator it(html.begin(), html.end(), kId), end; it != end; ++it) {
    ++ids[(*it)[1].str()];
  }
  return ids;
}

// The topics the window, its sheets and its areas open.
std::set<std::string> WindowTopics(const TParseView& view) {
  std::set<std::string> topics = {"context-" + std::to_string(view.HelpContext())};
  for (const tk::Control* control : view.Controls()) {
    if (control->HelpTopic() != 0) topics.insert("context-" + std::to_string(control->HelpTopic()));
  }
  return topics;
}

TEST_F(HelpFile, EveryTopicOfTheWindowHasItsSection) {
  const std::map<std::string, int> ids = Ids(HelpText());
  for (const std::string& topic : WindowTopics(Create())) {
    EXPECT_TRUE(ids.contains(topic)) << topic;
  }
}

TEST_F(HelpFile, EveryTopicSectionIsOneTheWindowOpens) {
  const std::set<std::string> topics = WindowTopics(Create());
  for (const auto& [id, count] : Ids(HelpText())) {
    if (id.starts_with("context-")) {
      EXPECT_TRUE(topics.contains(id)) << id;
    }
  }
}

// Ids are unique, every link inside the file finds its place, and the contents reach every topic.
TEST_F(HelpFile, IdsAreUniqueAndLinksFindTheirPlaces) {
  const std::string html = HelpText();
  const std::map<std::string, int> ids = Ids(html);
  ASSERT_FALSE(ids.empty());
  for (const auto& [id, count] : ids) EXPECT_EQ(count, 1) << id;
  static const std::regex kLink(R"re(href="#([^"]*)")re");
  std::set<std::string> linked;
  for (std::sregex_iterator it(html.begin(), html.end(), kLink), end; it != end; ++it) {
    linked.insert((*it)[1].str());
  }
  for (const std::string& target : linked) EXPECT_TRUE(ids.contains(target)) << target;
  for (const auto& [id, count] : ids) {
    if (id.starts_with("context-")) {
      EXPECT_TRUE(linked.contains(id)) << id;
    }
  }
}

}  // namespace
}  // namespace vt
