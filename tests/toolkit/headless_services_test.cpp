// Headless services: message text on the error stream, the clipboard on the standard streams.
#include "toolkit/services/headless_services.h"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(HeadlessMessageBoxes, PrintsCaptionAndTextAndAnswersNo) {
  struct Row {
    const char* name;
    MessageStyle style;
    std::string text, caption;
    std::string printed;
    MessageReply reply;
  };
  const Row rows[] = {
      {"stop", MessageStyle::kStop, "Cannot open that file.", "/tmp/a.vnq",
       "/tmp/a.vnq: Cannot open that file.\n", MessageReply::kOk},
      {"note", MessageStyle::kNote, "Done", "Vontrask", "Vontrask: Done\n", MessageReply::kOk},
      {"question", MessageStyle::kQuestion, "Overwrite?", "Vontrask", "Vontrask: Overwrite?\n",
       MessageReply::kNo},
      {"empty caption", MessageStyle::kStop, "text", "", ": text\n", MessageReply::kOk},
      {"bytes 128-255", MessageStyle::kNote, "\xe9\xff", "\x80", "\x80: \xe9\xff\n",
       MessageReply::kOk},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::ostringstream err;
    HeadlessMessageBoxes boxes(err);
    EXPECT_EQ(boxes.Show(row.text, row.caption, row.style), row.reply);
    EXPECT_EQ(err.str(), row.printed);
  }
}

TEST(HeadlessFileDialogs, AreAlwaysCancelled) {
  HeadlessFileDialogs dialogs;
  for (bool save : {false, true}) {
    FileDialogRequest request;
    request.save = save;
    request.file_name = "proposed.txt";
    std::string chosen = "untouched";
    EXPECT_FALSE(dialogs.Run(request, chosen));
    EXPECT_EQ(chosen, "untouched");
  }
}

TEST(StdioClipboard, ReadsInputOnceAndWritesOutputBytes) {
  std::string all_bytes;
  for (int b = 0; b < 256; ++b) all_bytes += static_cast<char>(b);
  std::istringstream in("line 1\r\nline 2\n" + all_bytes);
  std::ostringstream out;
  StdioClipboard clipboard(in, out);
  EXPECT_EQ(clipboard.GetText(), "line 1\r\nline 2\n" + all_bytes);
  EXPECT_EQ(clipboard.GetText(), "line 1\r\nline 2\n" + all_bytes) << "kept after the first read";
  EXPECT_EQ(out.str(), "");

  clipboard.SetText("a,b\r\n" + all_bytes);
  clipboard.SetText("");
  clipboard.SetText("c\r\n");
  EXPECT_EQ(out.str(), "a,b\r\n" + all_bytes + "c\r\n");
  EXPECT_EQ(clipboard.GetText(), "line 1\r\nline 2\n" + all_bytes) << "output is not input";
}

TEST(StdioClipboard, EmptyInputGivesEmptyText) {
  std::istringstream in("");
  std::ostringstream out;
  StdioClipboard clipboard(in, out);
  EXPECT_EQ(clipboard.GetText(), "");
}

TEST(HeadlessApplication, RecordsTheExitItWasAskedFor) {
  HeadlessApplication app;
  EXPECT_FALSE(app.terminated);
  app.Minimise();
  app.ScaleWindow(3, 2, 0, 0, 640, 480);
  EXPECT_FALSE(app.terminated);
  app.Terminate(3);
  EXPECT_TRUE(app.terminated);
  EXPECT_EQ(app.exit_code, 3);
}

TEST(HeadlessServices, WiresEveryServiceToItsStreams) {
  std::istringstream in("pasted");
  std::ostringstream out;
  std::ostringstream err;
  HeadlessServices headless(in, out, err);
  const Services& s = headless.services;
  EXPECT_EQ(s.messages, &headless.messages);
  EXPECT_EQ(s.dialogs, &headless.dialogs);
  EXPECT_EQ(s.clipboard, &headless.clipboard);
  EXPECT_EQ(s.settings, &headless.settings);
  EXPECT_EQ(s.help, &headless.help);
  EXPECT_EQ(s.shell, &headless.shell);
  EXPECT_EQ(s.processes, &headless.processes);
  EXPECT_EQ(s.events, &headless.events);
  EXPECT_EQ(s.clock, &headless.clock);
  EXPECT_EQ(s.app, &headless.app);

  EXPECT_EQ(s.messages->Show("Continue?", "Vontrask", MessageStyle::kQuestion), MessageReply::kNo);
  s.app->WriteError("out.csv: Cannot open that file.");
  EXPECT_EQ(err.str(), "Vontrask: Continue?\nout.csv: Cannot open that file.\n");
  EXPECT_EQ(s.clipboard->GetText(), "pasted");
  s.clipboard->SetText("converted");
  EXPECT_EQ(out.str(), "converted");
  s.events->ProcessPendingEvents();
  s.app->Terminate(1);
  EXPECT_TRUE(headless.app.terminated);
  EXPECT_EQ(headless.app.exit_code, 1);
}

}  // namespace
}  // namespace tk
