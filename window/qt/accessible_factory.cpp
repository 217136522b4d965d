#include "accessible_factory.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "accessible_box.h"
#include "accessible_list.h"
#include "announcer.h"
#include "schematic_frame.h"
#include "selection_after_focus.h"
#include "zentavo_window.h"

namespace zentavo {
namespace {

// Qt asks once for each class from the object's own up to QObject, so each interface is matched
// on the class it is written for.
QAccessibleInterface* Interface(const QString& className, QObject* object) {
  if (className == QLatin1String(ZentavoWindow::staticMetaObject.className()))
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  if (className == QLatin1String(SchematicFrame::staticMetaObject.className()))
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
  if (className == QLatin1String(Announcer::staticMetaObject.className()))
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
  if (className == QLatin1String("QWidget") &&
      qobject_cast<Announcer*>(object->parent()) != nullptr)
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
  if (className == QLatin1String("QLineEdit"))
    return new AccessibleBox(static_cast<QLineEdit*>(object));
  if (className == QLatin1String("QComboBox")) {
    auto* list = static_cast<QComboBox*>(object);
    if (!list->isEditable()) return new AccessibleList(list);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces(QApplication& app) {
  QAccessible::installFactory(Interface);
  new SelectionAfterFocus(&app);
}

}  // namespace zentavo
