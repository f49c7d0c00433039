#include <QCoreApplication>
#include <QPlainTextEdit>
#include <stdexcept>
#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "ui/qt_platform.h"
#include "ui/text.h"

TEST(MemoLines, RoundTripKeepsEmptyLinesAtBothEnds) {
  QPlainTextEdit memo;
  const QList<QStringList> cases = {{}, {""}, {"a"}, {"a", ""}, {"", "a"}, {"a", "", "b", ""}};
  for (const QStringList& lines : cases) {
    ui::setMemoLines(&memo, lines);
    EXPECT_EQ(ui::memoLines(&memo), lines) << lines.join('|').toStdString();
  }
  // Text typed without a final line break is read line by line.
  memo.setPlainText("x\ny");
  EXPECT_EQ(ui::memoLines(&memo), (QStringList{"x", "y"}));
}

TEST(SaveFilter, DescriptionAndPatternPairs) {
  EXPECT_EQ(ui::toQtFilter("文字檔案(*.txt)|*.txt"), "文字檔案(*.txt) (*.txt)");
  EXPECT_EQ(ui::toQtFilter("A|*.a|B|*.b"), "A (*.a);;B (*.b)");
}

TEST(ReadInteger, ShowsTheStandardMessageForText) {
  testing_support::FakePlatform platform;
  EXPECT_EQ(ui::readInteger(nullptr, " 12 "), 12);
  EXPECT_EQ(ui::readInteger(nullptr, "-3"), -3);
  EXPECT_TRUE(platform.messages.shown.empty());
  EXPECT_FALSE(ui::readInteger(nullptr, "1x"));
  EXPECT_FALSE(ui::readInteger(nullptr, ""));
  EXPECT_EQ(platform.messages.texts(), (QStringList{"'1x' is not a valid integer value", "'' is not a valid integer value"}));
  EXPECT_EQ(platform.messages.shown[0].icon, ui::Icon::Error);
}

namespace {
// A handler that fails the way a broken converter or a bad index would.
class Throwing : public QObject {
 public:
  bool event(QEvent*) override { throw std::runtime_error("converter missing"); }
};
}  // namespace

TEST(Application, AnExceptionFromAHandlerIsShownAndTheProgramGoesOn) {
  testing_support::FakePlatform platform;
  Throwing target;
  QEvent e(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&target, &e));
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].icon, ui::Icon::Error);
  EXPECT_EQ(platform.messages.shown[0].text, "程式發生錯誤，這次操作已停止：converter missing");
  // Events still flow afterwards.
  QObject fine;
  QEvent again(QEvent::User);
  QCoreApplication::sendEvent(&fine, &again);
  EXPECT_EQ(platform.messages.shown.size(), 1u);
}
