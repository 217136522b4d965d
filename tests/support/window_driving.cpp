#include "window_driving.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

#include "qt_conversions.h"

namespace zentavo::testing_support {

Platform SilentPlatform() {
  return {SystemNumberFormat(), [](const std::string&) {}, [] {}};
}

QLineEdit* EditFor(const ZentavoWindow& window, const TextBox& box) {
  return qobject_cast<QLineEdit*>(window.WidgetFor(box));
}

QComboBox* ComboFor(const ZentavoWindow& window, const ComboBox& box) {
  return qobject_cast<QComboBox*>(window.WidgetFor(box));
}

void TypeKeys(QWidget& widget, const QString& keys) {
  for (QChar key : keys) {
    if (key == '\b') {
      QTest::keyClick(&widget, Qt::Key_Backspace);
    } else if (key.unicode() < 0x80) {
      QTest::keyClicks(&widget, QString(key));
    } else {
      // A key of another layout: QTest knows no key code for it, only its text.
      QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, QString(key), Qt::NoModifier);
    }
  }
}

void TypeOver(QLineEdit& edit, const QString& keys) {
  edit.setFocus();
  edit.selectAll();
  TypeKeys(edit, keys);
}

void PasteOver(QLineEdit& edit, const QString& text) {
  edit.setFocus();
  edit.selectAll();
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
}

QPoint EntryPoint(const QComboBox& combo, int entry) {
  const QAbstractItemView* view = combo.view();
  const QRect row = view->visualRect(view->model()->index(entry, 0));
  return {view->viewport()->width() / 2, row.center().y()};
}

QString ShownText(const QWidget* widget) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
  if (const auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->currentText();
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  return {};
}

}  // namespace zentavo::testing_support
