#pragma once
// The chart window: the bar charts of the statistics view, saved as three GIF
// pictures in the working directory and uploaded to an FTP server.
#include <QImage>
#include <QWidget>
#include <array>

#include "core/views/statistics_view.h"

class QChart;
class QChartView;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Tform_rk_stk_chart : public QWidget {
  Q_OBJECT
 public:
  explicit Tform_rk_stk_chart(QWidget* parent = nullptr);

  // What "ShowImage" hands over: the emptied charts get the new bars, titles
  // and foot text, the picture names and the radio button; "FTP Connect" is
  // enabled unless the connection is already up.
  void load(const tovrin::views::ChartTable& table);

  void Button1Click();
  void Button2Click();

  // The picture saved for a chart (1..6), drawn off-screen at its fixed size.
  QImage picture(int chart) const;
  static QSize pictureSize(int chart);

 private:
  struct ChartData {
    QString title;
    QString foot;
    std::vector<tovrin::views::ChartPoint> points;
  };
  bool connectToServer();

  std::array<ChartData, 7> data_;          // [1..6]
  std::array<QChartView*, 7> charts_ = {};  // Chart1..Chart6
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QRadioButton* RadioButton1 = nullptr;
  QRadioButton* RadioButton2 = nullptr;
  QRadioButton* RadioButton3 = nullptr;
  QRadioButton* RadioButton4 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
};
