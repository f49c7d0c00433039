// The help texts shipped with the program: a new working directory receives
// them on start, and each window's help button shows its own.
#include <QDialog>
#include <algorithm>
#include <QPlainTextEdit>

#include "support/temp_dir.h"
#include "ui/sample_dir.h"
#include "views_window_fixture.h"

using testing_support::readBytes;

namespace {

std::filesystem::path shippedHelp() {
  return (std::filesystem::path(TOVRIN_TEST_DATA) / ".." / ".." / "data" / "help").lexically_normal();
}

// Start-up reads its samples from this folder for one test.
struct SampleDirForTest {
  explicit SampleDirForTest(const std::filesystem::path& dir) { ui::setSampleDir(dir); }
  ~SampleDirForTest() { ui::setSampleDir({}); }
};

class HelpTextsTest : public testing_support::ViewsTest {};

}  // namespace

TEST_F(HelpTextsTest, EveryWindowShowsItsShippedHelp) {
  SampleDirForTest samples(shippedHelp());
  start();
  struct Case {
    const char* command;  // nullptr: asked of the main window directly
    const char* form;
    const char* button;
    const char* file;
    const char* title;
  };
  const Case cases[] = {
      {"Rule_2A", "Form_rk_rule1", "SpeedButton5", "help_2a.txt", "【２Ａ版路】操作說明"},
      {"Rule_3A", "Form_rk_rule2", "SpeedButton5", "help_3a.txt", "【３Ａ版路】操作說明"},
      {"Rule_4A", "Form_rk_rule3", "SpeedButton6", "help_4a.txt", "【４Ａ版路】操作說明"},
      {"PMX", "Form_rk_7_1", "SpeedButton5", "help_pmx.txt", "【PMX版路】操作說明"},
      {"strange", "Form_rk_strange", "SpeedButton10", "help_strange.txt", "【怪牌版路】操作說明"},
      {nullptr, nullptr, nullptr, "help_record.txt", "【開獎紀錄】操作說明"},
  };
  auto* help = w.main->findChild<QDialog*>("Form_rk_help");
  ASSERT_NE(help, nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    // Copied in byte for byte: Big5 with CR LF line ends and no bare LF.
    const std::string bytes = readBytes(platform.dir() / c.file);
    EXPECT_EQ(bytes, readBytes(shippedHelp() / c.file));
    const auto lf = std::count(bytes.begin(), bytes.end(), '\n');
    EXPECT_EQ(lf, std::count(bytes.begin(), bytes.end(), '\r'));
    EXPECT_TRUE(lf >= 20 && lf <= 60) << lf << " lines";

    if (c.command) {
      open(c.command, c.form);
      press(c.button);
    } else {
      w.main->show_memo(c.file);
    }
    ASSERT_TRUE(help->isVisible());
    const QStringList shown = help->findChild<QPlainTextEdit*>("mm")->toPlainText().split('\n');
    EXPECT_EQ(shown.first(), c.title);
    help->hide();
    if (c.command) close();
  }
  EXPECT_TRUE(platform.messages.shown.empty()) << platform.messages.texts().join('|').toStdString();
}
