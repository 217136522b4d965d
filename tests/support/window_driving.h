// Drives the window's real widgets as a user does, and reads what they show: shared by the widget
// tests, the random window driver and the benchmarks.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPoint>
#include <QString>

#include "zentavo_window.h"

namespace zentavo::testing_support {

// The desktop's number format, with failures ignored and no ending acted on.
Platform SilentPlatform();

// The widget of a box or a list; null if the binding gave it another kind of widget.
QLineEdit* EditFor(const ZentavoWindow& window, const TextBox& box);
QComboBox* ComboFor(const ZentavoWindow& window, const ComboBox& box);

// Types key by key, "\b" as Backspace, a character of no ASCII key by its text alone.
void TypeKeys(QWidget& widget, const QString& keys);

// Replaces the whole text of a box by typing, key by key.
void TypeOver(QLineEdit& edit, const QString& keys);

// Replaces the whole text of a box by pasting it in one edit.
void PasteOver(QLineEdit& edit, const QString& text);

// Where an entry of a combo box's open list lies in the list's viewport. The list ignores a
// release that comes too soon after opening unless the mouse moved, so move there before clicking.
// The caller sends the mouse events: how QTest sends them depends on QTEST_QPA_MOUSE_HANDLING in
// the caller's own file.
QPoint EntryPoint(const QComboBox& combo, int entry);

// The text a box, a list or a label shows; empty for any other widget.
QString ShownText(const QWidget* widget);

}  // namespace zentavo::testing_support
