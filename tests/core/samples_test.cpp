#include "core/history/samples.h"

#include <gtest/gtest.h>

#include "core/history/draw_table.h"
#include "support/temp_dir.h"

using namespace tovrin;
using testing_support::readBytes;
using testing_support::TempDir;
using testing_support::writeBytes;

// A first start in a fresh folder: shipped files are copied byte for byte,
// the user's own files stay, and files with no sample are still created empty.
TEST(Samples, MissingFilesAreCopiedBeforeTheEmptyOnesAreCreated) {
  TempDir share, work;
  writeBytes(share / "RK8e49.txt", "2020/01/03,109001,03,07,11,18,24,30,41\r\n");
  writeBytes(share / "hkmark6.txt", "shipped\r\n");
  writeBytes(share / "help_pmx.txt", "\xbb\xa1\xa9\xfa\r\n");  // 說明 in Big5
  writeBytes(share / "notes.txt", "not a sample\r\n");
  writeBytes(work / "hkmark6.txt", "mine\r\n");
  writeBytes(work / "help_2a.txt", "");  // an empty file is the user's too

  EXPECT_TRUE(installSamples(share.path(), work.path()).empty());
  EXPECT_TRUE(createStartupFiles(work.path()).empty());

  EXPECT_EQ(readBytes(work / "RK8e49.txt"), "2020/01/03,109001,03,07,11,18,24,30,41\r\n");
  EXPECT_EQ(readBytes(work / "help_pmx.txt"), "\xbb\xa1\xa9\xfa\r\n");
  EXPECT_EQ(readBytes(work / "hkmark6.txt"), "mine\r\n");
  EXPECT_EQ(readBytes(work / "help_2a.txt"), "");
  EXPECT_EQ(readBytes(work / "lotto38.txt"), "");
  EXPECT_FALSE(std::filesystem::exists(work / "notes.txt"));
  EXPECT_FALSE(std::filesystem::exists(work / "help_3a.txt"));
  EXPECT_FALSE(std::filesystem::exists(work / "RK8e49.txt.part"));

  // A second start replaces nothing, even after the user changed a copy.
  writeBytes(work / "RK8e49.txt", "edited\r\n");
  EXPECT_TRUE(installSamples(share.path(), work.path()).empty());
  EXPECT_EQ(readBytes(work / "RK8e49.txt"), "edited\r\n");
}

TEST(Samples, NoInstalledSamplesMeansEmptyFilesAsBefore) {
  for (const bool absentFolder : {true, false}) {
    SCOPED_TRACE(absentFolder ? "absent share folder" : "no share folder given");
    TempDir work;
    const std::filesystem::path share = absentFolder ? work / "no-such-share" : std::filesystem::path();
    EXPECT_TRUE(installSamples(share, work.path()).empty());
    EXPECT_TRUE(createStartupFiles(work.path()).empty());
    EXPECT_EQ(readBytes(work / "RK8e49.txt"), "");
    EXPECT_FALSE(std::filesystem::exists(work / "help_record.txt"));
  }
}

// Only real files are samples: a folder or a dangling link under a sample's
// name is passed over. A copy that cannot be written is named as a failure.
TEST(Samples, WhatIsNoFileIsPassedOverAndFailedCopiesAreNamed) {
  TempDir share, work;
  std::filesystem::create_directory(share / "RK8e49.txt");
  std::filesystem::create_symlink(share / "missing-target", share / "hkmark6.txt");
  writeBytes(share / "help_4a.txt", "ok\r\n");
  EXPECT_TRUE(installSamples(share.path(), work.path()).empty());
  EXPECT_FALSE(std::filesystem::exists(work / "RK8e49.txt"));
  EXPECT_FALSE(std::filesystem::exists(work / "hkmark6.txt"));
  EXPECT_EQ(readBytes(work / "help_4a.txt"), "ok\r\n");

  EXPECT_EQ(installSamples(share.path(), work / "no-such-folder"), std::vector<std::string>{"help_4a.txt"});
}
