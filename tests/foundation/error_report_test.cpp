// The fatal report path: log entry format, boxes, exit codes 1 and 3.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "foundation/error_report.h"
#include "tests/support/recording_os.h"
#include "tests/support/scratch_folder.h"

namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::string::size_type start = 0, end;
  while ((end = text.find('\n', start)) != std::string::npos) {
    out.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  if (start < text.size()) out.push_back(text.substr(start));
  return out;
}

// ctime's 24 characters: "Www Mmm dd hh:mm:ss yyyy".
bool looksLikeCtime(const std::string& line) {
  return line.size() == 24 && line[3] == ' ' && line[7] == ' ' && line[13] == ':' &&
         line[16] == ':' && line[19] == ' ';
}

void reportDuringExit() { runError("acollect", 7, "second failure", true); }

}  // namespace

TEST(ErrorReport, FatalReportAppendsOneEntryShowsBoxAndExitsWithOne) {
  ScratchFolder folder;
  EXPECT_EXIT(
      {
        RecordingOs os;
        runError("compress", 123, "Compressed stream EOF", true);
      },
      ::testing::ExitedWithCode(1),
      "box \\[Run-time error\\] style 0x12010: File compress, line 123:");

  std::vector<std::string> log = lines(folder.readText("error.lst"));
  ASSERT_EQ(log.size(), 5u);
  EXPECT_TRUE(looksLikeCtime(log[0])) << log[0];
  EXPECT_EQ(log[1], "File compress, line 123:");
  EXPECT_EQ(log[2], "Compressed stream EOF");
  EXPECT_EQ(log[3], std::string("Please report to ") + kSupportAddress);
  EXPECT_EQ(log[4], "");
}

TEST(ErrorReport, FatalBoxCarriesTheClosingSuffix) {
  ScratchFolder folder;
  EXPECT_EXIT(
      {
        RecordingOs os;
        runError("compress", 1, "EOF!", true);
      },
      ::testing::ExitedWithCode(1), "Please report to .*" NL "Application will be closed\\.");
}

TEST(ErrorReport, ReportDuringExitOfFatalReportAbortsWithThree) {
  ScratchFolder folder;
  EXPECT_EXIT(
      {
        RecordingOs os;
        std::atexit(reportDuringExit);
        runError("compress", 1, "first failure", true);
      },
      ::testing::ExitedWithCode(3),
      "box \\[Critical run-time error!\\] style 0x12010: File acollect, line 7:" NL
      "second failure" NL "Please report to .*" NL "Application will be terminated\\.");

  // Both reports reached the log, the second after the first.
  std::string log = folder.readText("error.lst");
  std::string::size_type first = log.find("first failure");
  std::string::size_type second = log.find("second failure");
  ASSERT_NE(first, std::string::npos);
  ASSERT_NE(second, std::string::npos);
  EXPECT_LT(first, second);
}

TEST(ErrorReport, NonFatalReportAnsweredNoReturnsAndClearsTheFlag) {
  ScratchFolder folder;
  RecordingOs os(osbox::kIdNo);
  runError("compress", 5, "one", false);
  runError("compress", 6, "two", false);

  ASSERT_EQ(os.boxes.size(), 2u);
  for (const RecordingOs::Box& box : os.boxes) {
    // A second ordinary box, not the critical one: the first report cleared the flag.
    EXPECT_EQ(box.caption, "Run-time error");
    EXPECT_EQ(box.style, 0x12014u);
    EXPECT_NE(box.text.find("\nClose application?"), std::string::npos);
  }
  EXPECT_EQ(os.beeps, (std::vector<unsigned>{0, 0}));
  std::vector<std::string> log = lines(folder.readText("error.lst"));
  EXPECT_EQ(log.size(), 10u);  // two entries, appended
}

TEST(ErrorReport, NonFatalReportAnsweredYesExitsWithOne) {
  ScratchFolder folder;
  EXPECT_EXIT(
      {
        RecordingOs os(osbox::kIdYes);
        runError("compress", 5, "fatal after all", false);
      },
      ::testing::ExitedWithCode(1), "Close application\\?");
}

TEST(ErrorReport, OverlongMessageIsCutToTheBuffer) {
  ScratchFolder folder;
  RecordingOs os(osbox::kIdNo);
  std::string text(5000, 'x');
  runError("compress", 1, text.c_str(), false);

  std::vector<std::string> log = lines(folder.readText("error.lst"));
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[1], "File compress, line 1:");
  EXPECT_EQ(log[2].size(), 999u - log[1].size() - 1);  // 999 characters and the terminator
}

TEST(ErrorReport, LogIsAppendedNeverTruncated) {
  ScratchFolder folder;
  {
    std::FILE* old = std::fopen("error.lst", "w");
    std::fputs("earlier entry\n", old);
    std::fclose(old);
  }
  RecordingOs os(osbox::kIdNo);
  runError("acollect", 52, "Collection index 3 is out of bounds", false);
  std::string log = folder.readText("error.lst");
  EXPECT_EQ(log.rfind("earlier entry\n", 0), 0u);
  EXPECT_NE(log.find("Collection index 3 is out of bounds"), std::string::npos);
}
