#include "accessible_visibility.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWidget>

namespace zentavo {
namespace {

// Qt's bridge names its connection to the accessibility bus, and each object on it by the
// interface's unique id; a state change sent on that connection comes from the application as
// the bridge's own do, so a reader files it under the right object.
const QString kBridgeConnection = QStringLiteral("a11y");
const QString kObjectPath = QStringLiteral("/org/a11y/atspi/accessible/");

// The application's root, which AT-SPI events carry after their data.
QVariant Application(const QDBusConnection& bus) {
  QDBusArgument root;
  root.beginStructure();
  root << bus.baseService() << QDBusObjectPath(kObjectPath + QStringLiteral("root"));
  root.endStructure();
  return QVariant::fromValue(root);
}

}  // namespace

void ReportVisibility(QWidget& widget) {
  if (!QAccessible::isActive()) return;
  const QDBusConnection bus(kBridgeConnection);
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
  if (!bus.isConnected() || face == nullptr) return;
  QDBusMessage change = QDBusMessage::createSignal(
      kObjectPath + QString::number(QAccessible::uniqueId(face)),
      QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
  change << QStringLiteral("visible") << (widget.isVisible() ? 1 : 0) << 0
         << QVariant::fromValue(QDBusVariant(0)) << Application(bus);
  bus.send(change);
}

}  // namespace zentavo
