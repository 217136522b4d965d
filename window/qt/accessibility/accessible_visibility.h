// Tells screen readers that a widget was shown or hidden. Qt 6.4 reports the "showing" state
// changing but not "visible"; a reader that keeps the states it once read (Orca, through libatspi)
// then holds "visible" as it first found it, and passes over a control that was hidden when it
// first looked, even once it is shown again.
#pragma once

class QWidget;

namespace zentavo {

// Reports the widget's "visible" state as it now is, as Qt's bridge reports "showing".
void ReportVisibility(QWidget& widget);

}  // namespace zentavo
