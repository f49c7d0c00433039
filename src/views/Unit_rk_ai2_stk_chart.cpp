#include "views/Unit_rk_ai2_stk_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QValueAxis>
#include <QVBoxLayout>

#include "core/views/chart_upload.h"
#include "ui/gif_writer.h"
#include "ui/platform.h"
#include "ui/text.h"

using ui::qs;
namespace sv = tovrin::views;

namespace {

// The bar colour of each chart: the four small-picture styles and the halves.
QColor barColour(int chart) {
  switch (chart) {
    case 1: return QColor(30, 110, 210);
    case 4: return QColor(210, 40, 40);
    case 5: return QColor(40, 150, 60);
    case 6: return QColor(230, 140, 0);
    default: return QColor(70, 90, 160);
  }
}

// Gives a new chart its one bar series with a category axis below and a
// value axis on the left.
void buildChart(QChart* chart, int n) {
  chart->legend()->hide();
  auto* set = new QBarSet(QString());
  set->setColor(barColour(n));
  // Each bar carries its number, upright inside its top end (24 bars leave
  // no room for the numbers side by side).
  set->setLabelColor(Qt::white);
  QFont small;
  small.setPointSize(8);
  set->setLabelFont(small);
  auto* series = new QBarSeries;
  series->append(set);
  series->setLabelsVisible(true);
  series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
  series->setLabelsAngle(-90);
  chart->addSeries(series);
  auto* x = new QBarCategoryAxis;
  x->setLabelsFont(small);
  x->setTruncateLabels(false);  // two digits always fit; never show "…"
  chart->addAxis(x, Qt::AlignBottom);
  series->attachAxis(x);
  auto* y = new QValueAxis;
  y->setLabelFormat("%d");
  y->setLabelsFont(small);
  chart->addAxis(y, Qt::AlignLeft);
  series->attachAxis(y);
}

// Empties the chart's series and fills it with the points; the series and
// axes stay, so a chart on screen is updated in place.
void fillChart(QChart* chart, const QString& title, const QString& foot, const std::vector<sv::ChartPoint>& points) {
  auto* series = qobject_cast<QBarSeries*>(chart->series().value(0));
  auto* x = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
  auto* y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
  if (!series || series->barSets().isEmpty() || !x || !y) return;
  QBarSet* set = series->barSets()[0];
  chart->setTitle(title);
  set->remove(0, set->count());
  x->clear();
  x->setTitleText(foot);
  QStringList categories;
  int top = 0;
  for (const auto& p : points) {
    *set << p.value;
    categories << qs(p.label);
    top = std::max(top, p.value);
  }
  x->append(categories);
  y->setRange(0, top > 0 ? top : 1);
  y->applyNiceNumbers();
}

}  // namespace

Tform_rk_stk_chart::Tform_rk_stk_chart(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("form_rk_stk_chart");
  setWindowTitle("form_rk_stk_chart");
  resize(1000, 760);
  auto* v = new QVBoxLayout(this);

  auto* grid = new QGridLayout;
  for (int n = 1; n <= 6; ++n) {
    charts_[n] = new QChartView(this);
    charts_[n]->setObjectName(QString("Chart%1").arg(n));
    charts_[n]->setRenderHint(QPainter::Antialiasing);
    charts_[n]->setMinimumSize(220, 170);
    buildChart(charts_[n]->chart(), n);
  }
  grid->addWidget(charts_[2], 0, 0, 1, 4);
  grid->addWidget(charts_[3], 1, 0, 1, 4);
  for (int i = 0; i < 4; ++i) grid->addWidget(charts_[std::array{1, 4, 5, 6}[i]], 2, i);
  v->addLayout(grid, 1);

  auto* names = new QHBoxLayout;
  Label1 = new QLabel(this);
  Label2 = new QLabel(this);
  Label3 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label2->setObjectName("Label2");
  Label3->setObjectName("Label3");
  for (auto* l : {Label1, Label2, Label3}) {
    l->setMinimumWidth(96);
    names->addWidget(l);
  }
  names->addSpacing(16);
  RadioButton1 = new QRadioButton("A", this);
  RadioButton2 = new QRadioButton(QStringLiteral("B (大樂)"), this);
  RadioButton3 = new QRadioButton("C(38)", this);
  RadioButton4 = new QRadioButton(QStringLiteral("D (六合)"), this);
  RadioButton1->setObjectName("RadioButton1");
  RadioButton2->setObjectName("RadioButton2");
  RadioButton3->setObjectName("RadioButton3");
  RadioButton4->setObjectName("RadioButton4");
  for (auto* r : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) names->addWidget(r);
  RadioButton2->setChecked(true);
  names->addStretch(1);
  v->addLayout(names);

  auto* ftp = new QHBoxLayout;
  ftp->addWidget(new QLabel(QStringLiteral("FTP 主機"), this));
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setPlaceholderText("HOST:PORT");
  ftp->addWidget(Edit1);
  ftp->addWidget(new QLabel(QStringLiteral("密碼"), this));
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName("Edit2");
  Edit2->setEchoMode(QLineEdit::Password);
  ftp->addWidget(Edit2);
  Button1 = new QPushButton("FTP Connect", this);
  Button1->setObjectName("Button1");
  Button2 = new QPushButton("Save/Upload", this);
  Button2->setObjectName("Button2");
  ftp->addWidget(Button1);
  ftp->addWidget(Button2);
  Label4 = new QLabel(QStringLiteral("等待連線"), this);
  Label4->setObjectName("Label4");
  Label5 = new QLabel(QStringLiteral("等待"), this);
  Label5->setObjectName("Label5");
  Label4->setMinimumWidth(64);
  Label5->setMinimumWidth(64);
  ftp->addWidget(Label4);
  ftp->addWidget(Label5);
  v->addLayout(ftp);

  connect(Button1, &QPushButton::clicked, this, &Tform_rk_stk_chart::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tform_rk_stk_chart::Button2Click);
}

void Tform_rk_stk_chart::load(const sv::ChartTable& t) {
  for (auto& d : data_) d = ChartData{};
  data_[1].foot = qs(t.footText);
  data_[2].title = qs(t.title2);
  data_[3].title = qs(t.title3);
  for (int n : {1, 4, 5, 6}) data_[n].points = t.top;
  data_[2].points = t.firstHalf;
  data_[3].points = t.secondHalf;
  for (int n = 1; n <= 6; ++n) fillChart(charts_[n]->chart(), data_[n].title, data_[n].foot, data_[n].points);
  Label1->setText(qs(t.pictures[0]));
  Label2->setText(qs(t.pictures[1]));
  Label3->setText(qs(t.pictures[2]));
  (t.radioButton == 4 ? RadioButton4 : RadioButton2)->setChecked(true);
  auto* ftp = ui::platform().ftp;
  Button1->setEnabled(!(ftp && ftp->connected()));
}

QSize Tform_rk_stk_chart::pictureSize(int chart) {
  // The halves hold 24 and 25 bars: narrower pictures cut their labels short.
  return chart == 2 || chart == 3 ? QSize(800, 320) : QSize(400, 300);
}

QImage Tform_rk_stk_chart::picture(int n) const {
  // A fresh chart in a scene of its own: the one on screen keeps the size of
  // its view, and a chart that was never laid out draws collapsed.
  const QSize size = pictureSize(n);
  QGraphicsScene scene;
  auto* chart = new QChart;
  scene.addItem(chart);
  buildChart(chart, n);
  fillChart(chart, data_[n].title, data_[n].foot, data_[n].points);
  chart->setGeometry(QRectF(QPointF(0, 0), size));
  QImage img(size, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  scene.render(&p, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
  return img;
}

bool Tform_rk_stk_chart::connectToServer() {
  auto* ftp = ui::platform().ftp;
  const auto address = sv::parseServerAddress(ui::ss(Edit1->text()));
  const std::string password = ui::ss(Edit2->text());
  // A malformed address or a password that would break the login line
  // never reaches the network.
  if (!ftp || !address || !sv::isSendablePassword(password)) return false;
  return ftp->connect(qs(address->host), address->port, sv::kChartUploadUser, Edit2->text());
}

void Tform_rk_stk_chart::Button1Click() {
  if (connectToServer()) {
    Label4->setText(QStringLiteral("已連線"));
    Button1->setEnabled(false);
  } else {
    Label4->setText(QStringLiteral("連線失敗"));
  }
}

void Tform_rk_stk_chart::Button2Click() {
  Button2->setEnabled(false);
  const int small = RadioButton1->isChecked() ? 1 : RadioButton2->isChecked() ? 4 : RadioButton3->isChecked() ? 5 : 6;
  const std::array<std::pair<int, QString>, 3> files = {
      {{small, Label1->text()}, {2, Label2->text()}, {3, Label3->text()}}};
  const auto dir = ui::workDir();
  for (const auto& [chart, name] : files) {
    if (name.isEmpty() || !ui::writeGif(picture(chart), dir / ui::ss(name))) {
      // Nothing goes out unless every picture is in place.
      ui::message(this, ui::Icon::Error, QStringLiteral("圖檔 ") + name + QStringLiteral(" 儲存失敗"));
      Button2->setEnabled(true);
      return;
    }
  }
  auto* ftp = ui::platform().ftp;
  if (!ftp || !ftp->connected()) Button1Click();
  if (ftp && ftp->connected()) {
    bool ok = true;
    for (const auto& [chart, name] : files) {
      if (!ftp->upload(dir / ui::ss(name), name)) {
        ok = false;
        break;
      }
    }
    if (ok) {
      ui::message(this, ui::Icon::Information, QStringLiteral("upload 成功"));
      Label5->setText(QStringLiteral("上傳完畢"));
    } else {
      ui::message(this, ui::Icon::Error, "upload error");
      Label5->setText(QStringLiteral("上傳錯誤"));
      if (!ftp->connected()) {
        Label4->setText(QStringLiteral("連線失敗"));
        Button1->setEnabled(true);
      }
    }
  } else {
    ui::message(this, ui::Icon::Error, QStringLiteral("連線失敗"));
  }
  Button2->setEnabled(true);
}
