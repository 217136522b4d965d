#include "result_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <algorithm>

namespace zentavo {

ResultKeys::ResultKeys(frmZentavo& form, const FormBinding& binding, QWidget& window)
    : QObject(&window), form_(form), binding_(binding) {
  auto* speak = new QShortcut(QKeySequence(Qt::Key_F2), &window);
  QObject::connect(speak, &QShortcut::activated, this, [this] { form_.UserAsksForResults(); });
  auto* move = new QShortcut(QKeySequence(Qt::Key_F6), &window);
  QObject::connect(move, &QShortcut::activated, this, [this] { EnterOrLeave(); });
  for (Control* control : form.Controls()) {
    Visit(*control, Overloaded{[&](TextBox& box) {
                                 if (box.ReadOnly())
                                   binding.WidgetFor(box)->installEventFilter(this);
                               },
                               [](Control&) {}});
  }
}

std::vector<QWidget*> ResultKeys::Results() const {
  std::vector<QWidget*> widgets;
  for (const TextBox* result : form_.ResultsInReadingOrder())
    widgets.push_back(binding_.WidgetFor(*result));
  return widgets;
}

void ResultKeys::EnterOrLeave() {
  const std::vector<QWidget*> results = Results();
  QWidget* focused = QApplication::focusWidget();
  if (std::ranges::find(results, focused) == results.end()) {
    cameFrom_ = focused;
    results.front()->setFocus(Qt::OtherFocusReason);
    return;
  }
  if (cameFrom_ && cameFrom_->isVisible()) {
    cameFrom_->setFocus(Qt::OtherFocusReason);
  } else if (const std::vector<Control*> order = form_.TabOrder(); !order.empty()) {
    binding_.WidgetFor(*order.front())->setFocus(Qt::TabFocusReason);
  }
}

bool ResultKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto& key = *static_cast<QKeyEvent*>(event);
  if (key.modifiers() != Qt::NoModifier && key.modifiers() != Qt::KeypadModifier) return false;
  const int by = key.key() == Qt::Key_Down ? 1 : key.key() == Qt::Key_Up ? -1 : 0;
  if (by == 0) return false;
  const std::vector<QWidget*> results = Results();
  const auto here = std::ranges::find(results, watched);
  if (here == results.end()) return false;
  const auto index = std::clamp<std::ptrdiff_t>(here - results.begin() + by, 0,
                                                static_cast<std::ptrdiff_t>(results.size()) - 1);
  results[static_cast<std::size_t>(index)]->setFocus(Qt::OtherFocusReason);
  return true;
}

}  // namespace zentavo
