#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/windows.h"
#include "history/Unit_RK_main.h"
#include "support/fake_platform.h"

using testing_support::copyData;
using testing_support::FakePlatform;
using testing_support::writeBytes;

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void start() {
    w = createAppWindows();
    w.main->show();
  }
  void TearDown() override { delete w.main; }
  template <class T = QWidget>
  T* find(const char* name) {
    auto* c = w.main->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  QString text(const char* label) { return find<QLabel>(label)->text(); }

  FakePlatform platform;
  AppWindows w;
};

}  // namespace

TEST_F(MainWindowTest, StartsWithTheNewestBigLottoDraw) {
  copyData("RK8e49.txt", platform.dir());
  start();
  EXPECT_EQ(w.main->objectName(), "Form_rk_main");
  EXPECT_EQ(w.main->windowTitle(), "Tovrin");
  EXPECT_EQ(text("lb_data"), "日期:2026/08/21");
  EXPECT_EQ(text("lb_data1"), "期數:115081");
  EXPECT_EQ(text("lb_data2"), "號碼(落球):08,14,23,24,26,47,30");
  EXPECT_EQ(text("Label4"), "RK8e49.txt");
  EXPECT_EQ(w.main->table().count, 2163);
  EXPECT_EQ(text("lb_loadStatus"), "RK8e49.txt  已載入 2,163 期");
  // Start-up created every other draw and draw-date file.
  for (const char* f : {"hkmark6.txt", "lotto38.txt", "TW539.txt", "RK8e49drawdate.txt", "HKM6drawdate.txt",
                        "Weilidrawdate.txt", "TW539drawdate.txt"})
    EXPECT_TRUE(std::filesystem::exists(platform.dir() / f)) << f;
  // The long-lived windows exist under their names.
  EXPECT_NE(w.main->findChild<QObject*>("Form_rk_help"), nullptr);
  EXPECT_NE(w.main->findChild<QObject*>("rpt"), nullptr);
}

TEST_F(MainWindowTest, GameSwitchReloadsTheOtherFile) {
  copyData("RK8e49.txt", platform.dir());
  start();
  find<QRadioButton>("rb_mark6")->click();
  EXPECT_EQ(text("Label4"), "hkmark6.txt");
  EXPECT_EQ(w.main->table().count, 0);
  EXPECT_EQ(text("lb_data"), "日期:");
  EXPECT_EQ(text("lb_data1"), "期數:");
  EXPECT_EQ(text("lb_data2"), "號碼(落球):");
  EXPECT_EQ(w.main->settings().gameName, "六合彩");
  EXPECT_FALSE(w.main->settings().gameKind);
  EXPECT_TRUE(find<QRadioButton>("rb_mark6")->font().bold());

  find<QRadioButton>("rb_biglotto")->click();
  EXPECT_EQ(w.main->table().count, 2163);
  EXPECT_EQ(w.main->settings().gameName, "大樂透");
  EXPECT_EQ(text("Label4"), "RK8e49.txt");
}

TEST_F(MainWindowTest, CloseQuestionNoKeepsTheWindow) {
  copyData("RK8e49.txt", platform.dir());
  start();
  platform.messages.script = {ui::Answer::No};
  EXPECT_FALSE(w.main->close());
  EXPECT_TRUE(w.main->isVisible());
  EXPECT_EQ(platform.messages.texts().last(), "您即將結束作業,請再一次確認!");
  EXPECT_EQ(platform.messages.shown.back().icon, ui::Icon::Warning);
  EXPECT_EQ(w.main->table().count, 2163);

  platform.messages.script = {ui::Answer::Yes};
  EXPECT_TRUE(w.main->close());
}

TEST_F(MainWindowTest, MenusListTheCommandsAndDisableThoseWithoutAWindow) {
  start();
  auto* bar = find<QMenuBar>("MainMenu1");
  QStringList top;
  for (auto* a : bar->actions()) top << a->text();
  EXPECT_EQ(top.mid(0, 3), (QStringList{"開獎資料", "進入Tovrin", "結束作業"}));
  auto* f2 = w.main->command("lt_record");
  ASSERT_NE(f2, nullptr);
  EXPECT_EQ(f2->text(), "開獎紀錄");
  EXPECT_EQ(f2->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(w.main->command("map76")->text(), "7x7 落點圖");

  // F2 reaches its command even while the latest-draw panel is hidden.
  int runs = 0;
  w.main->bindCommand("lt_record", [&] { ++runs; });
  find<QToolButton>("SpeedButton19")->click();
  EXPECT_FALSE(find("Panel5")->isVisible());
  w.main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.main));
  QTest::keyClick(w.main, Qt::Key_F2);
  EXPECT_EQ(runs, 1);
  find<QToolButton>("SpeedButton20")->click();
  EXPECT_TRUE(find("Panel5")->isVisible());
}

TEST_F(MainWindowTest, HelpViewerShowsAFileOrSaysItIsMissing) {
  start();
  writeBytes(platform.dir() / "help_2a.txt", "\xA4\x6A line one\r\nline two\r\n");
  w.main->show_memo("help_2a.txt");
  auto* help = find<QWidget>("Form_rk_help");
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->windowTitle(), "操作說明");
  EXPECT_EQ(help->findChild<QPlainTextEdit*>("mm")->toPlainText(), "大 line one\nline two\n");
  help->hide();

  w.main->show_memo("help_pmx.txt");
  EXPECT_EQ(platform.messages.texts().last(), "說明檔 help_pmx.txt 不存在");
  EXPECT_FALSE(help->isVisible());
}

TEST_F(MainWindowTest, MemoPrintPreviewPrintsEvenAnEmptyMemo) {
  start();
  platform.printPreview.pdf = platform.dir() / "out.pdf";
  w.main->show_memo_rpt(QStringList{});
  EXPECT_EQ(platform.printPreview.calls, 1);
  EXPECT_TRUE(platform.printPreview.lines.isEmpty());
  EXPECT_GT(std::filesystem::file_size(platform.printPreview.pdf), 0u);

  QStringList many;
  for (int i = 0; i < 200; ++i) many << QString("第 %1 行").arg(i);
  w.main->show_memo_rpt(many);
  EXPECT_EQ(platform.printPreview.lines, many);
}

TEST_F(MainWindowTest, UnreadableDrawFileIsReported) {
  std::filesystem::create_directory(platform.dir() / "RK8e49.txt");
  start();
  ASSERT_FALSE(platform.messages.shown.empty());
  EXPECT_TRUE(platform.messages.texts().last().contains("RK8e49.txt"));
  EXPECT_EQ(platform.messages.shown.back().icon, ui::Icon::Error);
  EXPECT_EQ(w.main->table().count, 0);
}
