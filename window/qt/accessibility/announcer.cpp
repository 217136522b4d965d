#include "announcer.h"

#include <QAccessible>

namespace zentavo {

Announcer::Announcer(QWidget& window) : QWidget(&window), notice_(new QWidget(this)) {
  setObjectName("announcer");
  hide();
  pause_.setSingleShot(true);
  pause_.setInterval(kPauseMs);
  QObject::connect(&pause_, &QTimer::timeout, this, [this] { Say(); });
}

void Announcer::Announce(const QString& words) {
  waiting_ = words;
  pause_.start();
}

// The name first, so that a reader that keeps names hears the new one with the showing.
void Announcer::Say() {
  notice_->setAccessibleName(waiting_);
  QAccessibleEvent shown(notice_, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace zentavo
