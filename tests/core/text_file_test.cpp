#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/text/codec.h"
#include "core/text/textfile.h"
#include "support/temp_dir.h"

using namespace tovrin;
using testing_support::readBytes;
using testing_support::TempDir;
using testing_support::writeBytes;

TEST(SplitLines, BreaksAtEveryKindOfLineEnd) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"a\r\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb", {"a", "b"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"\r\n", {""}},
  };
  for (const auto& c : cases) EXPECT_EQ(splitLines(c.text), c.lines) << c.text;
}

TEST(TextFile, WritesBig5WithCrLfAndReadsItBack) {
  TempDir dir;
  const std::vector<std::string> lines = {"大樂透 開獎資料", "2026/08/21,115081,08,14,23,24,26,47,30", ""};
  ASSERT_TRUE(writeTextLines(dir / "f.txt", lines).ok);
  // 大 is A4 6A in Big5; every line ends with CR LF.
  const std::string bytes = readBytes(dir / "f.txt");
  EXPECT_EQ(bytes.substr(0, 2), "\xA4\x6A");
  EXPECT_EQ(bytes.substr(bytes.size() - 4), "\r\n\r\n");
  EXPECT_EQ(readTextLines(dir / "f.txt").lines, lines);
}

TEST(TextFile, UndecodableBytesNeverStopTheReader) {
  TempDir dir;
  writeBytes(dir / "f.txt", std::string("\xFF\xFE\x80 ok\r\n\xA4\r\nnext\r\n", 16));
  const auto r = readTextLines(dir / "f.txt");
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(r.lines.size(), 3u);
  EXPECT_NE(r.lines[0].find(" ok"), std::string::npos);
  EXPECT_EQ(r.lines[2], "next");
}

TEST(TextFile, TextWithoutBig5FormIsRefusedAndTheOldFileStays) {
  TempDir dir;
  writeBytes(dir / "f.txt", "old\r\n");
  const auto r = writeTextLines(dir / "f.txt", {"fine", "emoji 😀 here"});
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.unencodable);
  EXPECT_EQ(r.badLine, 1);
  EXPECT_FALSE(r.error.empty());
  EXPECT_EQ(readBytes(dir / "f.txt"), "old\r\n");
  EXPECT_FALSE(encodeCp950("😀").has_value());
}

TEST(TextFile, ReadOnlyFileOrFolderKeepsTheOldContent) {
  TempDir dir;
  writeBytes(dir / "ro.txt", "old\r\n");
  ::chmod((dir / "ro.txt").c_str(), 0444);
  auto r = writeTextLines(dir / "ro.txt", {"new"});
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.error.empty());
  EXPECT_EQ(readBytes(dir / "ro.txt"), "old\r\n");

  std::filesystem::create_directory(dir / "locked");
  writeBytes(dir / "locked" / "f.txt", "old\r\n");
  ::chmod((dir / "locked").c_str(), 0555);
  r = writeTextLines(dir / "locked" / "f.txt", {"new"});
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(readBytes(dir / "locked" / "f.txt"), "old\r\n");
  // No temporary file is left behind.
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path() / "locked")) (void)e, ++files;
  EXPECT_EQ(files, 1);
}

TEST(TextFile, ReplacingKeepsPermissionsAndLeavesNoTemporaryFile) {
  TempDir dir;
  writeBytes(dir / "f.txt", "old\r\n");
  ::chmod((dir / "f.txt").c_str(), 0640);
  ASSERT_TRUE(writeTextLines(dir / "f.txt", {"new"}).ok);
  struct stat st {};
  ::stat((dir / "f.txt").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) (void)e, ++files;
  EXPECT_EQ(files, 1);
  EXPECT_EQ(readBytes(dir / "f.txt"), "new\r\n");
}

TEST(TextFile, MissingFolderIsAnError) {
  TempDir dir;
  EXPECT_FALSE(writeTextLines(dir / "nowhere" / "f.txt", {"x"}).ok);
  EXPECT_FALSE(readTextLines(dir / "nowhere" / "f.txt").ok);
}
