#include <QCoreApplication>
#include <QEnterEvent>
#include <QLineEdit>

#include "core/views/nogood_groups.h"
#include "nogood_fixture.h"
#include "views/Unit_rk_7star2_ng.h"

using namespace testing_support;

namespace {

class GroupsViewTest : public ViewTest {
 protected:
  void open() { ASSERT_NE(run("group_ng"), nullptr); }
  QComboBox* box(const QString& name) { return find<QComboBox>(name); }
  QStringList headers() {
    QStringList out;
    for (const auto& l : memo())
      if (l.startsWith("第") && l.endsWith("組")) out << l;
    return out;
  }
};

}  // namespace

// Default settings on the real Big Lotto history up to 115081; expected
// texts from an independent working of the routes on that history.
TEST_F(GroupsViewTest, DefaultSearchOnTheNewestDraw) {
  start();
  open();
  EXPECT_EQ(view->windowTitle(), "不出牌組");
  EXPECT_EQ(box("cb_date")->currentText(), "2026/08/21");
  ASSERT_EQ(box("cb_date")->count(), 20);
  EXPECT_EQ(box("cb_date")->itemText(19), "2026/06/16");
  EXPECT_EQ(row(0, 0, 10), (QStringList{" 日     期", " 期 數", "一", "二", "三", "四", "五", "六", "特",
                                        "不出牌組預測號碼 ", "爆支"}));
  EXPECT_EQ(row(9, 0, 8), (QStringList{"2026/08/21", "115081", "08", "14", "23", "24", "26", "47", "30"}));
  EXPECT_EQ(text("lb_tot"), "共  0  組");

  click("SpeedButton4");
  EXPECT_EQ(text("lb_tot"), "共 198 組");
  EXPECT_EQ(text("lb_sortidx"), "第 1 組");
  EXPECT_EQ(text("Label2"), "NGG050744");
  ASSERT_EQ(grid()->rowCount(), 15);
  EXPECT_EQ(row(1, 1, 1), QStringList{"115073"});
  EXPECT_EQ(cell(1, 10), "過關");
  EXPECT_EQ(row(5, 1, 1), QStringList{"115077"});
  EXPECT_EQ(cell(5, 10), "  1");
  EXPECT_EQ(cell(9, 1), "115081");
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(cell(9 + k, 0), QString("下 %1 期預測").arg(k));
    EXPECT_EQ(cell(9 + k, 1), "");
  }
  EXPECT_EQ(cell(10, 9), "01.15.21.23.41.42.46.49.");
  const QStringList mm = memo();
  ASSERT_EQ(mm.size(), 21);
  EXPECT_EQ(mm.mid(0, 6), (QStringList{"第1組", QString(35, '-'),
                                       "驗證條件：以基準日期 2026/08/21 的前九期 , 6 期以上爆 1 支以下的數據來預測本期號碼",
                                       "版路代號：NGG050744 ( 8 碼)", "預測及驗證：",
                                       "115073期預測 08.10.21.30.36.39.41.46. 過關"}));
  EXPECT_EQ(mm[9], "115077期預測 05.06.07.36.38.41.46.49. 爆   1 支");
  EXPECT_EQ(mm[14], "下   1    期預測 01.15.21.23.41.42.46.49.");
  EXPECT_EQ(mm.mid(19), (QStringList{"(爆支計算不包含特別號)", " "}));

  // Paging appends each route's summary.
  click("SpeedButton6");
  click("SpeedButton6");
  click("SpeedButton2");
  EXPECT_EQ(headers(), (QStringList{"第1組", "第2組", "第3組", "第2組"}));
  EXPECT_EQ(text("lb_sortidx"), "第 2 組");

  click("Button2");
  EXPECT_EQ(platform.clipboard.copies, 1);
  EXPECT_TRUE(platform.clipboard.text.startsWith("第1組\n" + QString(35, '-') + "\n驗證條件："));
  EXPECT_EQ(platform.clipboard.text.count("版路代號："), 4);

  platform.printPreview.pdf = platform.dir() / "preview.pdf";
  find<QAction>("N1")->trigger();
  EXPECT_EQ(platform.printPreview.calls, 1);
  EXPECT_EQ(platform.printPreview.lines.mid(0, 21), mm);
  EXPECT_EQ(platform.printPreview.lines.filter("版路代號：").size(), 4);
  EXPECT_GT(std::filesystem::file_size(platform.printPreview.pdf), 0u);
}

TEST_F(GroupsViewTest, OlderBaseDateAndUnknownDate) {
  start();
  open();
  box("cb_date")->setEditText("2026/08/11");
  click("SpeedButton4");
  EXPECT_EQ(text("lb_tot"), "共 170 組");
  EXPECT_EQ(text("Label2"), "NGG010245");
  ASSERT_EQ(grid()->rowCount(), 14);
  EXPECT_EQ(cell(12, 1), "115081");
  EXPECT_EQ(cell(13, 0), "下 1 期預測");
  EXPECT_EQ(memo()[2], "驗證條件：以基準日期 2026/08/11 的前九期 , 6 期以上爆 1 支以下的數據來預測本期號碼");

  // A date that names no draw: the newest draw is the base, and the box says so.
  box("cb_date")->setEditText("2026/08/12");
  click("SpeedButton4");
  EXPECT_EQ(box("cb_date")->currentText(), "2026/08/21");
  EXPECT_EQ(text("lb_tot"), "共 198 組");
  EXPECT_EQ(memo()[2], "驗證條件：以基準日期 2026/08/21 的前九期 , 6 期以上爆 1 支以下的數據來預測本期號碼");
}

// 爆二支, 九期過五期, 5 numbers: the search stops at 2,000 routes; showing
// all lists every summary, as the literal routines write them.
TEST_F(GroupsViewTest, ShowAllRoutes) {
  start();
  open();
  find<QRadioButton>("rb3")->click();
  find<QRadioButton>("rb_83")->click();
  box("cb_nono")->setCurrentIndex(0);
  click("SpeedButton4");
  EXPECT_EQ(text("lb_tot"), "共 2000 組");
  click("Button1");
  EXPECT_EQ(text("lb_sortidx"), "第 2000 組");
  const auto& t = w.main->table();
  const auto literal = tovrin::groups::search_Literal(t, 49, {2, 5, 5}, tovrin::groups::findBase(t, "2026/08/21"));
  EXPECT_EQ(memo(), ui::toQt(tovrin::groups::showAll_Literal(t, literal)));
  EXPECT_EQ(text("Label2"), ui::qs(tovrin::groups::routeCode(literal.routes.back())));
  // Each route's number and rule come twice: once from the list, once from its summary.
  EXPECT_EQ(memo().mid(0, 4), (QStringList{"第1組", QString(35, '-'), "第1組", QString(35, '-')}));
  EXPECT_EQ(memo()[4], "驗證條件：以基準日期 2026/08/21 的前九期 , 5 期以上爆 2 支以下的數據來預測本期號碼");
}

TEST_F(GroupsViewTest, NumberCountIsCorrectedWhenEditingEnds) {
  start();
  open();
  struct Case {
    const char* typed;
    const char* shown;
  } cases[] = {{"3", "5"}, {"20", "14"}, {"abc", "8"}, {"12", "12"}};
  auto* nono = box("cb_nono");
  for (const auto& c : cases) {
    nono->setEditText(c.typed);
    EXPECT_EQ(nono->currentText(), c.typed);  // not while typing
    emit nono->lineEdit()->editingFinished();
    EXPECT_EQ(nono->currentText(), c.shown) << c.typed;
  }
  click("SpeedButton4");
  EXPECT_TRUE(memo()[3].endsWith("( 12 碼)"));
  EXPECT_EQ(cell(1, 9).count('.'), 12);
}

TEST_F(GroupsViewTest, TooFewDrawsReshowingAndHint) {
  start(someDraws(20));
  open();
  box("cb_date")->setEditText("2020/01/19");  // base draw 19 of 20: enough
  click("SpeedButton4");
  EXPECT_TRUE(platform.messages.texts().isEmpty() ||
              platform.messages.texts() == QStringList{"您設定的條件找不到符合的版路!"});
  platform.messages.shown.clear();
  box("cb_date")->setEditText("2020/01/18");
  click("SpeedButton4");
  EXPECT_EQ(platform.messages.texts(), QStringList{"開獎資料不足,至少需要 21 期!"});
  EXPECT_FALSE(find<QPushButton>("SpeedButton6")->isEnabled());
  EXPECT_TRUE(memo().isEmpty());

  // The hint goes away when the mouse comes over the start button.
  auto* hint = find<QWidget>("panel_print");
  EXPECT_FALSE(hint->isHidden());
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(find<QPushButton>("SpeedButton4"), &enter);
  EXPECT_TRUE(hint->isHidden());
}

TEST_F(GroupsViewTest, ReshowingClearsTheResults) {
  start();
  open();
  click("SpeedButton4");
  ASSERT_FALSE(memo().isEmpty());
  view->reject();
  open();
  EXPECT_EQ(w.main->findChildren<TForm_rk_7star2_ng*>().size(), 1);
  EXPECT_TRUE(memo().isEmpty());
  EXPECT_EQ(text("lb_tot"), "共  0  組");
  EXPECT_EQ(text("Label2"), "代號");
  click("SpeedButton6");
  click("Button1");
  EXPECT_TRUE(memo().isEmpty());
  EXPECT_EQ(grid()->rowCount(), 10);
}
