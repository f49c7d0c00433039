#pragma once
// Control factories for the analyzer's pages and the analysis views: every
// control gets its name and caption in one call.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QDate>
#include <QStringList>

#include "core/util/date.h"

namespace tovrin_ui {

inline QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

// A flat tool button showing only its caption.
inline QToolButton* speedButton(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setText(caption);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return b;
}

inline QRadioButton* radioButton(QWidget* parent, const char* name, const QString& caption) {
  auto* r = new QRadioButton(caption, parent);
  r->setObjectName(name);
  return r;
}

inline QLabel* label(QWidget* parent, const char* name, const QString& text = QString()) {
  auto* l = new QLabel(text, parent);
  if (name) l->setObjectName(name);
  return l;
}

inline QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, bool checked = false) {
  auto* c = new QCheckBox(caption, parent);
  c->setObjectName(name);
  c->setChecked(checked);
  return c;
}

inline QComboBox* combo(QWidget* parent, const char* name, const QStringList& items, const QString& text,
                        bool editable = true) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  c->setEditable(editable);
  c->addItems(items);
  c->setCurrentText(text);
  return c;
}

// A date picker's day as the core's calendar day.
inline tovrin::Date dayOf(const QDate& d) { return tovrin::Date{d.year(), d.month(), d.day()}; }

inline QStringList numbers(int from, int to) {
  QStringList l;
  for (int i = from; i <= to; ++i) l << QString::number(i);
  return l;
}

// A result memo: read-write text, no wrapping, fixed-width font.
inline QPlainTextEdit* memo(QWidget* parent, const char* name) {
  auto* m = new QPlainTextEdit(parent);
  m->setObjectName(name);
  m->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont f(QStringLiteral("Noto Sans Mono CJK TC"));
  f.setStyleHint(QFont::TypeWriter);
  f.setPointSize(10);
  m->setFont(f);
  return m;
}

}  // namespace tovrin_ui
