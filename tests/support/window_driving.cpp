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

void TypeOver(QLineEdit& edit, const QString& keys) {
  edit.setFocus();
  edit.selectAll();
  QTest::keyClicks(&edit, keys);
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
