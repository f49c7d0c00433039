#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

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

// Read-only flags as a normal user meets them: the file's flag is honoured,
// and a folder that takes no new file still lets an existing, writable file
// be rewritten where it stands.
TEST(TextFile, ReadOnlyFileOrFolder) {
  struct Case {
    const char* what;
    mode_t folder;
    bool fileExists;
    mode_t file;
    bool saved;
    const char* error;
  } cases[] = {
      {"read-only file", 0755, true, 0444, false, "無法寫入檔案 f.txt：檔案設為唯讀"},
      {"read-only folder, writable file", 0555, true, 0644, true, ""},
      {"read-only folder, new file", 0555, false, 0, false, "無法寫入檔案 f.txt：資料夾設為唯讀"},
      {"both read-only", 0555, true, 0444, false, "無法寫入檔案 f.txt：檔案設為唯讀"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const auto folder = dir.path() / "data";
    std::filesystem::create_directory(folder);
    if (c.fileExists) {
      writeBytes(folder / "f.txt", "old line\r\n");
      ::chmod((folder / "f.txt").c_str(), c.file);
    }
    ::chmod(folder.c_str(), c.folder);
    const auto r = writeTextLines(folder / "f.txt", {"new"});
    EXPECT_EQ(r.ok, c.saved);
    EXPECT_EQ(r.error, c.error);
    if (c.fileExists) EXPECT_EQ(readBytes(folder / "f.txt"), c.saved ? "new\r\n" : "old line\r\n");
    // Never a temporary file left behind, never a file where there was none.
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(folder)) (void)e, ++files;
    EXPECT_EQ(files, c.fileExists ? 1 : 0);
    ::chmod(folder.c_str(), 0755);
  }
}

TEST(TextFile, SystemErrorsReadInChinese) {
  EXPECT_EQ(errorReason(EACCES), "沒有權限");
  EXPECT_EQ(errorReason(EROFS), "唯讀的檔案系統");
  EXPECT_EQ(errorReason(ENOSPC), "磁碟空間不足");
  EXPECT_EQ(errorReason(ENOENT), "找不到檔案或資料夾");
  EXPECT_EQ(errorReason(EISDIR), "這是一個資料夾");
  // Anything else keeps the system's own words, in brackets.
  EXPECT_EQ(errorReason(EIO), std::string("(") + std::strerror(EIO) + ")");
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

TEST(TextFile, MissingFolderOrFileIsAnErrorInChinese) {
  TempDir dir;
  EXPECT_EQ(writeTextLines(dir / "nowhere" / "f.txt", {"x"}).error, "無法寫入檔案 f.txt：找不到檔案或資料夾");
  const auto r = readTextLines(dir / "nowhere" / "f.txt");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "無法開啟檔案 f.txt：找不到檔案或資料夾");
  std::filesystem::create_directory(dir / "d.txt");
  EXPECT_EQ(readTextLines(dir / "d.txt").error, "無法讀取檔案 d.txt：這是一個資料夾");
  EXPECT_EQ(writeTextLines(dir / "d.txt", {"x"}).error, "無法寫入檔案 d.txt：這是一個資料夾");
}
