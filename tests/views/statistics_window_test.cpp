// The statistics view and its chart window, opened from the command list on
// the real histories. Expected figures were read off the draw files by hand.
#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/windows.h"
#include "history/Unit_RK_main.h"
#include "support/fake_platform.h"
#include "support/ftp_server.h"
#include "ui/curl_ftp.h"
#include "views/Unit_rk_ai2_stk_chart.h"
#include "views/Unit_rk_statistics.h"

using testing_support::copyData;
using testing_support::FakePlatform;
using testing_support::readBytes;

namespace {

class StatisticsWindowTest : public ::testing::Test {
 protected:
  void open(bool markSix = false) {
    copyData("RK8e49.txt", platform.dir());
    if (markSix) copyData("hkmark6.txt", platform.dir());
    w = createAppWindows();
    w.main->show();
    if (markSix) w.main->findChild<QRadioButton*>("rb_mark6")->click();
    reopen();
  }
  void reopen() {
    if (view) view->close();
    w.main->command("statistics")->trigger();
    view = w.main->findChild<TForm_rk_statistics*>("Form_rk_statistics");
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(view->isVisible());
  }
  void TearDown() override { delete w.main; }

  template <class T = QWidget>
  T* find(QWidget* in, const QString& name) {
    auto* c = in->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
  }
  template <class T = QWidget>
  T* find(const QString& name) {
    return find<T>(view, name);
  }
  QString text(const QString& label) { return find<QLabel>(label)->text(); }
  QString nn(int b) { return QString("%1").arg(b, 2, 10, QChar('0')); }

  // Slot s of the board as "ball value": the picture standing at the slot's
  // place and the text of the label standing under it.
  QString slot(int s) {
    const QPoint pic(32 + 40 * ((s - 1) % 10), 16 + 56 * ((s - 1) / 10));
    for (int b = 1; b <= 49; ++b) {
      if (find(QString("Image") + nn(b))->pos() != pic) continue;
      auto* l = find<QLabel>("lb" + nn(b));
      EXPECT_EQ(l->pos(), pic + QPoint(-8, 32)) << s;
      return nn(b) + " " + l->text();
    }
    return "none";
  }
  QStringList slotRange(int from, int to) {
    QStringList out;
    for (int s = from; s <= to; ++s) out << slot(s);
    return out;
  }
  bool down(const QString& button) { return find<QToolButton>(button)->isChecked(); }
  bool shown(const QString& name) { return find(name)->isVisibleTo(view); }

  FakePlatform platform;
  AppWindows w;
  TForm_rk_statistics* view = nullptr;
};

QColor colourOf(QLabel* l) { return l->palette().color(QPalette::WindowText); }

QStringList categories(QChartView* v) {
  for (auto* a : v->chart()->axes(Qt::Horizontal))
    if (auto* c = qobject_cast<QBarCategoryAxis*>(a)) return c->categories();
  return {};
}
QList<int> values(QChartView* v) {
  QList<int> out;
  auto* s = qobject_cast<QBarSeries*>(v->chart()->series().value(0));
  if (!s || s->barSets().isEmpty()) return out;
  for (int i = 0; i < s->barSets()[0]->count(); ++i) out << int(s->barSets()[0]->at(i));
  return out;
}
QString footText(QChartView* v) {
  for (auto* a : v->chart()->axes(Qt::Horizontal)) return a->titleText();
  return {};
}

}  // namespace

TEST_F(StatisticsWindowTest, OpensOnTheRankedFrequencyAndTheCheckBoxRecountsAtOnce) {
  open();
  EXPECT_EQ(view->windowTitle(), "統計資料");
  EXPECT_EQ(slotRange(1, 3), (QStringList{"08 346", "41 341", "02 337"}));
  EXPECT_EQ(slot(49), "17 268");
  EXPECT_EQ(text("F1_avrlb"), "平均值為 309.00");
  EXPECT_EQ(find<QLineEdit>("lbcount")->text(), "2163");
  EXPECT_TRUE(down("sb_F1"));
  EXPECT_TRUE(down("sb_big"));
  EXPECT_TRUE(shown("Panel_F1"));
  EXPECT_FALSE(shown("sb_begin"));
  EXPECT_EQ(colourOf(find<QLabel>("lb08")), QColor(Qt::blue));
  EXPECT_EQ(find<QLabel>("lb08")->font().pointSize(), 10);
  for (const char* b : {"Button1", "Button2", "Button3"}) EXPECT_TRUE(shown(b)) << b;

  // Number order first, so the recount visibly returns the board to rank order.
  find<QToolButton>("sb_no")->click();
  EXPECT_EQ(slot(2), "02 337");
  EXPECT_EQ(slot(8), "08 346");
  EXPECT_EQ(slot(41), "41 341");
  find<QCheckBox>("chkspno")->setChecked(false);
  EXPECT_EQ(slotRange(1, 3), (QStringList{"08 296", "15 288", "02 286"}));
  EXPECT_EQ(text("F1_avrlb"), "平均值為 264.86");
  EXPECT_TRUE(down("sb_big"));
}

TEST_F(StatisticsWindowTest, AbsenceRanksLongestAbsentFirstWithTheLastDrawInRed) {
  open();
  find<QToolButton>("sb_F3")->click();
  EXPECT_EQ(slotRange(1, 4), (QStringList{"22 27", "28 18", "38 18", "48 18"}));
  EXPECT_EQ(slotRange(43, 49), (QStringList{"08 0", "26 0", "14 0", "23 0", "47 0", "24 0", "30 0"}));
  for (const char* b : {"lb08", "lb26", "lb14", "lb23", "lb47", "lb24", "lb30"}) {
    EXPECT_EQ(colourOf(find<QLabel>(b)), QColor(Qt::red)) << b;
    EXPECT_EQ(find<QLabel>(b)->font().pointSize(), 12) << b;
  }
  EXPECT_EQ(colourOf(find<QLabel>("lb22")), QColor(Qt::blue));
  EXPECT_EQ(text("F1_avrlb"), "平均值為 5.94");
  EXPECT_FALSE(shown("sb_no"));
  EXPECT_TRUE(down("sb_F3"));

  // The print and copy commands take the ranking on the board now.
  find<QPushButton>("Button2")->click();
  const QStringList copied = platform.clipboard.text.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(copied.size(), 49);
  EXPECT_EQ(copied.front(), "22-27");
  EXPECT_EQ(copied.back(), "30-00");

  // Back to the frequency: the red labels turn blue again.
  find<QToolButton>("sb_F1")->click();
  EXPECT_EQ(slot(1), "08 346");
  EXPECT_EQ(colourOf(find<QLabel>("lb30")), QColor(Qt::blue));
  EXPECT_TRUE(shown("sb_no"));
}

TEST_F(StatisticsWindowTest, TailModeCountsOnDemandAndReopensOnTheFrequency) {
  open();
  find<QToolButton>("sb_F2")->click();
  QStringList tails;
  for (int d = 0; d < 10; ++d) tails << text(QString("F2_lb%1").arg(d));
  EXPECT_EQ(tails.join(' '), "1244 1621 1571 1562 1463 1560 1532 1502 1555 1531");
  EXPECT_EQ(text("F2_avrlb"), "平均值為 1514.10");
  EXPECT_TRUE(shown("Panel_F2"));
  EXPECT_TRUE(shown("sb_begin"));
  EXPECT_FALSE(shown("sb_big"));
  for (const char* b : {"Button1", "Button2", "Button3"}) EXPECT_FALSE(shown(b)) << b;

  // A start after the newest draw: the old counts stay until "統計" is pressed.
  find<QDateEdit>("DateTimePicker1")->setDate(QDate(2026, 8, 22));
  EXPECT_EQ(text("F2_lb1"), "1621");
  find<QToolButton>("sb_begin")->click();
  for (int d = 0; d < 10; ++d) EXPECT_EQ(text(QString("F2_lb%1").arg(d)), "") << d;
  EXPECT_EQ(text("F2_avrlb"), "平均值為 0.00");
  EXPECT_EQ(find<QLineEdit>("lbcount")->text(), "0");

  // Reopened: the frequency mode, ranked, over the (still empty) period, but
  // the draw count of the whole history in `lbcount`.
  find<QDateEdit>("DateTimePicker1")->setDate(QDate(2002, 1, 1));
  reopen();
  EXPECT_TRUE(down("sb_F1"));
  EXPECT_TRUE(shown("Panel_F1"));
  EXPECT_FALSE(shown("sb_begin"));
  EXPECT_EQ(slot(1), "08 346");
  EXPECT_EQ(find<QLineEdit>("lbcount")->text(), "2163");
}

TEST_F(StatisticsWindowTest, EmptyPeriodAndOpeningDrawCount) {
  open();
  find<QDateEdit>("DateTimePicker1")->setDate(QDate(2026, 8, 22));
  EXPECT_EQ(find<QLineEdit>("lbcount")->text(), "0");
  EXPECT_EQ(text("F1_avrlb"), "平均值為 0.00");
  EXPECT_EQ(slot(1), "49 0");  // equal counts: higher ball first
  EXPECT_EQ(slot(49), "01 0");
  reopen();
  EXPECT_EQ(find<QLineEdit>("lbcount")->text(), "2163");
  EXPECT_EQ(text("lb08"), "0");
  // The next computation shows the number it counted.
  find<QCheckBox>("chkspno")->setChecked(false);
  EXPECT_EQ(find<QLineEdit>("lbcount")->text(), "0");
}

TEST_F(StatisticsWindowTest, PrintPreviewsTheRankingLines) {
  open();
  find<QPushButton>("Button1")->click();
  ASSERT_EQ(platform.printPreview.calls, 1);
  ASSERT_EQ(platform.printPreview.lines.size(), 49);
  EXPECT_EQ(platform.printPreview.lines.front(), "08-346");
  EXPECT_EQ(platform.printPreview.lines[1], "41-341");
  EXPECT_EQ(platform.printPreview.lines.back(), "17-268");
}

class ChartWindowTest : public StatisticsWindowTest {
 protected:
  Tform_rk_stk_chart* showImage() {
    find<QPushButton>("Button3")->click();
    auto* c = view->findChild<Tform_rk_stk_chart*>("form_rk_stk_chart");
    EXPECT_NE(c, nullptr);
    EXPECT_TRUE(c && c->isVisible());
    chart = c;
    return c;
  }
  template <class T = QWidget>
  T* in(const QString& name) {
    return find<T>(chart, name);
  }
  void setServer(const QString& server, const QString& password) {
    in<QLineEdit>("Edit1")->setText(server);
    in<QLineEdit>("Edit2")->setText(password);
  }
  QString label(const QString& name) { return in<QLabel>(name)->text(); }
  std::filesystem::path file(const char* name) { return platform.dir() / name; }

  Tform_rk_stk_chart* chart = nullptr;
};

TEST_F(ChartWindowTest, BigLottoChartsNamesAndRadioButton) {
  open();
  showImage();
  EXPECT_EQ(chart->windowTitle(), "form_rk_stk_chart");
  EXPECT_TRUE(chart->isWindow());
  EXPECT_EQ(label("Label1"), "small1.gif");
  EXPECT_EQ(label("Label2"), "index1A.gif");
  EXPECT_EQ(label("Label3"), "index1B.gif");
  EXPECT_TRUE(in<QRadioButton>("RadioButton2")->isChecked());
  auto* c1 = in<QChartView>("Chart1");
  EXPECT_EQ(categories(c1), (QStringList{"08", "41", "02", "15", "30", "11"}));
  EXPECT_EQ(values(c1).mid(0, 3), (QList<int>{346, 341, 337}));
  EXPECT_EQ(footText(c1), "大樂透號碼統計");
  for (const char* n : {"Chart4", "Chart5", "Chart6"}) EXPECT_EQ(categories(in<QChartView>(n)), categories(c1)) << n;
  auto* c2 = in<QChartView>("Chart2");
  EXPECT_EQ(c2->chart()->title(), "096001-115081 期號碼統計 (前段)");
  EXPECT_EQ(categories(c2).size(), 24);
  auto* c3 = in<QChartView>("Chart3");
  EXPECT_EQ(c3->chart()->title(), "096001-115081 期號碼統計 (後段)");
  ASSERT_EQ(categories(c3).size(), 25);
  EXPECT_EQ(categories(c3).front(), "17");  // the last slot first
  EXPECT_EQ(values(c3).front(), 268);
  EXPECT_TRUE(in<QPushButton>("Button1")->isEnabled());
  EXPECT_EQ(label("Label4"), "等待連線");
  EXPECT_EQ(label("Label5"), "等待");
  EXPECT_EQ(in<QLineEdit>("Edit2")->echoMode(), QLineEdit::Password);

  // Again from the absence mode: the same window, emptied and refilled.
  find<QToolButton>("sb_F3")->click();
  EXPECT_EQ(showImage(), chart);
  EXPECT_EQ(label("Label1"), "small2.gif");
  EXPECT_EQ(in<QChartView>("Chart2")->chart()->title(), "096001-115081 期遠星號碼 (前段)");
  EXPECT_EQ(categories(in<QChartView>("Chart1")).front(), "22");
  EXPECT_EQ(values(in<QChartView>("Chart1")).size(), 6);
  EXPECT_EQ(footText(in<QChartView>("Chart1")), "大樂透遠星統計");
}

TEST_F(ChartWindowTest, MarkSixChartsAndAverage) {
  open(true);
  EXPECT_EQ(text("F1_avrlb"), "平均值為 428.57");
  showImage();
  EXPECT_EQ(in<QChartView>("Chart2")->chart()->title(), "004100至025134 期號碼統計 (前段)");
  EXPECT_EQ(label("Label1"), "small3.gif");
  EXPECT_TRUE(in<QRadioButton>("RadioButton4")->isChecked());
  EXPECT_FALSE(in<QRadioButton>("RadioButton2")->isChecked());
}

namespace {
// Pixels close to a colour in a saved picture (the bars' colour shows the
// chart was drawn at its size, not collapsed).
int pixelsNear(const QImage& img, QColor c) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor p = img.pixelColor(x, y);
      if (std::abs(p.red() - c.red()) + std::abs(p.green() - c.green()) + std::abs(p.blue() - c.blue()) < 30) ++n;
    }
  return n;
}
}  // namespace

TEST_F(ChartWindowTest, ConnectThenUploadWritesThreeGifsAndSendsThemOnOneLogin) {
  open();
  showImage();
  setServer("127.0.0.1:2121", "s3cret pw");
  in<QPushButton>("Button1")->click();
  EXPECT_EQ(label("Label4"), "已連線");
  EXPECT_FALSE(in<QPushButton>("Button1")->isEnabled());
  EXPECT_EQ(platform.ftp.host, "127.0.0.1");
  EXPECT_EQ(platform.ftp.port, 2121);
  EXPECT_EQ(platform.ftp.user, "administrator");
  EXPECT_EQ(platform.ftp.password, "s3cret pw");

  in<QPushButton>("Button2")->click();
  EXPECT_EQ(platform.messages.texts(), QStringList{"upload 成功"});
  EXPECT_EQ(label("Label5"), "上傳完畢");
  EXPECT_EQ(platform.ftp.uploaded, (QStringList{"small1.gif", "index1A.gif", "index1B.gif"}));
  const std::pair<const char*, QSize> pictures[] = {
      {"small1.gif", {400, 300}}, {"index1A.gif", {800, 320}}, {"index1B.gif", {800, 320}}};
  for (size_t i = 0; i < 3; ++i) {
    const auto [name, size] = pictures[i];
    EXPECT_EQ(readBytes(file(name)).substr(0, 4), "GIF8") << name;
    EXPECT_EQ(platform.ftp.uploadedBytes[i], readBytes(file(name))) << name;
    QImage img(QString::fromStdString(file(name).string()), "GIF");
    EXPECT_EQ(img.size(), size) << name;
  }
  // "B (大樂)" saves Chart4, whose bars are red; the halves' bars are blue-grey.
  const QImage small(QString::fromStdString(file("small1.gif").string()));
  EXPECT_GT(pixelsNear(small, QColor(210, 40, 40)), 2000);
  EXPECT_EQ(pixelsNear(small, QColor(30, 110, 210)), 0);
  EXPECT_GT(pixelsNear(QImage(QString::fromStdString(file("index1A.gif").string())), QColor(70, 90, 160)), 5000);
  EXPECT_TRUE(in<QPushButton>("Button2")->isEnabled());

  // "A" chooses Chart1 (blue bars); the second upload needs no new login.
  in<QRadioButton>("RadioButton1")->setChecked(true);
  in<QPushButton>("Button2")->click();
  EXPECT_EQ(platform.ftp.connects, 1);
  EXPECT_EQ(platform.ftp.uploaded.size(), 6);
  const QImage again(QString::fromStdString(file("small1.gif").string()));
  EXPECT_GT(pixelsNear(again, QColor(30, 110, 210)), 2000);
  // Showing the charts again keeps the connection and its disabled button.
  showImage();
  EXPECT_FALSE(in<QPushButton>("Button1")->isEnabled());
}

TEST_F(ChartWindowTest, RefusedOrMalformedConnectionStillWritesThePictures) {
  open();
  showImage();
  // Nothing here may reach the network.
  const std::pair<QString, QString> refused[] = {
      {"", "pw"}, {"host:99999", "pw"}, {"a b", "pw"}, {"127.0.0.1", "pw\r\nDELE x"}, {"127.0.0.1", QString("a") + QChar(0)}};
  for (const auto& [server, pw] : refused) {
    platform.messages.shown.clear();
    std::filesystem::remove(file("small1.gif"));
    setServer(server, pw);
    in<QPushButton>("Button1")->click();
    EXPECT_EQ(label("Label4"), "連線失敗") << server.toStdString();
    in<QPushButton>("Button2")->click();
    EXPECT_EQ(platform.messages.texts(), QStringList{"連線失敗"}) << server.toStdString();
    EXPECT_TRUE(std::filesystem::exists(file("small1.gif")));
  }
  EXPECT_EQ(platform.ftp.connects, 0);

  // A wrong password: the login is tried, refused, and nothing is sent.
  platform.ftp.acceptLogin = false;
  platform.messages.shown.clear();
  setServer("127.0.0.1:2121", "wrong");
  in<QPushButton>("Button2")->click();
  EXPECT_EQ(platform.ftp.connects, 1);
  EXPECT_EQ(label("Label4"), "連線失敗");
  EXPECT_EQ(platform.messages.texts(), QStringList{"連線失敗"});
  EXPECT_TRUE(platform.ftp.uploaded.isEmpty());
  EXPECT_EQ(label("Label5"), "等待");
  EXPECT_TRUE(in<QPushButton>("Button1")->isEnabled());
  EXPECT_TRUE(in<QPushButton>("Button2")->isEnabled());
}

TEST_F(ChartWindowTest, UploadFailuresStopAtTheFirstFile) {
  open();
  showImage();
  setServer("127.0.0.1", "pw");
  struct Case {
    bool drops;
    const char* label4;
    bool button1;
  };
  // A refused file keeps the login; a lost connection offers "FTP Connect" again.
  for (const Case c : {Case{false, "已連線", false}, Case{true, "連線失敗", true}}) {
    platform.ftp.uploaded.clear();
    platform.ftp.failUploadAt = 0;
    platform.ftp.failureDrops = c.drops;
    platform.messages.shown.clear();
    in<QPushButton>("Button1")->click();
    EXPECT_EQ(platform.ftp.port, 21);
    in<QPushButton>("Button2")->click();
    EXPECT_EQ(platform.messages.texts(), QStringList{"upload error"});
    EXPECT_EQ(label("Label5"), "上傳錯誤");
    EXPECT_EQ(platform.ftp.uploaded, QStringList{"small1.gif"});
    EXPECT_EQ(label("Label4"), c.label4);
    EXPECT_EQ(in<QPushButton>("Button1")->isEnabled(), c.button1);
    EXPECT_TRUE(in<QPushButton>("Button2")->isEnabled());
    platform.ftp.close();
  }
}

TEST_F(ChartWindowTest, APictureThatCannotBeWrittenStopsTheUpload) {
  open();
  showImage();
  setServer("127.0.0.1", "pw");
  std::filesystem::create_directory(file("index1A.gif"));  // a folder in the picture's place
  in<QPushButton>("Button2")->click();
  EXPECT_EQ(platform.messages.texts(), QStringList{"圖檔 index1A.gif 儲存失敗"});
  EXPECT_EQ(platform.ftp.connects, 0);
  EXPECT_TRUE(platform.ftp.uploaded.isEmpty());
  EXPECT_TRUE(std::filesystem::is_directory(file("index1A.gif")));
  EXPECT_TRUE(in<QPushButton>("Button2")->isEnabled());
}

// The whole path against a real FTP server: three pictures arrive byte for
// byte on one login; a read-only account stops after the first file.
TEST_F(ChartWindowTest, UploadsToARealServer) {
  for (const bool writable : {true, false}) {
    testing_support::FtpServer server(writable);
    ASSERT_GT(server.port, 0);
    ui::CurlFtpClient curl(ui::FtpTimeouts{10, 10, 10});
    ui::platform().ftp = &curl;
    platform.messages.shown.clear();
    if (!w.main) open();
    showImage();
    setServer(QString("127.0.0.1:%1").arg(server.port), server.password);
    in<QPushButton>("Button2")->click();
    const char* names[] = {"small1.gif", "index1A.gif", "index1B.gif"};
    if (writable) {
      EXPECT_EQ(platform.messages.texts(), QStringList{"upload 成功"});
      EXPECT_EQ(label("Label4"), "已連線");
      EXPECT_EQ(label("Label5"), "上傳完畢");
      in<QPushButton>("Button2")->click();
      EXPECT_EQ(platform.messages.texts(), (QStringList{"upload 成功", "upload 成功"}));
      for (const char* n : names) EXPECT_TRUE(readBytes(server.root / n) == readBytes(file(n))) << n;
      EXPECT_EQ(server.logins(), 1);
    } else {
      EXPECT_EQ(platform.messages.texts(), QStringList{"upload error"});
      EXPECT_EQ(label("Label5"), "上傳錯誤");
      for (const char* n : names) EXPECT_FALSE(std::filesystem::exists(server.root / n)) << n;
    }
    curl.close();
    ui::platform().ftp = &platform.ftp;
  }
}
