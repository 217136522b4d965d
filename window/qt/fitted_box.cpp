#include "fitted_box.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QSet>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

#include "line_edit_text.h"
#include "number_elision.h"

namespace zentavo {
namespace {

int PixelSize(const QFont& font) {
  return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

}  // namespace

FittedBox::FittedBox(std::string decimalSeparator, QWidget* parent)
    : QLineEdit(parent), decimalSeparator_(std::move(decimalSeparator)) {
  connect(this, &QLineEdit::textChanged, this, [this] { drawing_.reset(); });
}

void FittedBox::resizeEvent(QResizeEvent* event) {
  drawing_.reset();
  QLineEdit::resizeEvent(event);
}

void FittedBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    drawing_.reset();
    widestNumberCharacter_ = 0;
  }
  QLineEdit::changeEvent(event);
}

QRect FittedBox::TextArea() const {
  return LineEditTextArea(*this);
}

const FittedBox::Drawing& FittedBox::DrawnText() const {
  if (!drawing_) drawing_ = Fitted();
  return *drawing_;
}

// Most numbers are short: they fit for certain, without laying out their text, when every
// character is one a number is written with and even the widest of those would fit.
bool FittedBox::SurelyFits(const QString& shown) const {
  const QString numberCharacters =
      QStringLiteral("0123456789+-E.,") + QString::fromStdString(decimalSeparator_);
  if (widestNumberCharacter_ == 0) {
    for (QChar c : numberCharacters)
      widestNumberCharacter_ = std::max(widestNumberCharacter_, fontMetrics().horizontalAdvance(c));
  }
  for (QChar c : shown)
    if (!numberCharacters.contains(c)) return false;
  return shown.size() * widestNumberCharacter_ <= TextArea().width();
}

// A generous bound, so that a long text is never laid out whole only to learn that it does not
// fit: a text is at least as wide as its characters would be at half the narrowest one's advance.
int FittedBox::MostCharacters(const QString& text, const QFont& font) const {
  const QFontMetrics metrics(font);
  int narrowest = 0;
  QSet<QChar> seen;
  for (QChar c : text) {
    if (seen.contains(c)) continue;
    seen.insert(c);
    const int advance = metrics.horizontalAdvance(c);
    narrowest = seen.size() == 1 ? advance : std::min(narrowest, advance);
  }
  return narrowest <= 1 ? static_cast<int>(text.size()) : 2 * TextArea().width() / narrowest + 2;
}

FittedBox::Drawing FittedBox::Fitted() const {
  const QString whole = text();
  if (SurelyFits(whole)) return {whole, font()};
  const int room = TextArea().width();
  QFont drawn = font();
  int most = 0;
  auto fits = [&](const QString& shown) {
    return shown.size() <= most && QFontMetrics(drawn).horizontalAdvance(shown) <= room;
  };
  const int size = PixelSize(drawn);
  const int smallest = std::max(1, static_cast<int>(std::lround(size * kSmallestScale)));
  for (int pixels = size; pixels >= smallest; --pixels) {
    drawn.setPixelSize(pixels);
    most = MostCharacters(whole, drawn);
    if (fits(whole)) return {whole, drawn};
  }
  const std::string shortened = ElideNumber(
      whole.toStdString(), decimalSeparator_,
      [&](std::string_view shown) {
        return fits(QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())));
      },
      static_cast<std::size_t>(most));
  return {QString::fromStdString(shortened), drawn};
}

bool FittedBox::DrawnAsLineEdit(const Drawing& drawing) const {
  return drawing.text == text() && drawing.font == font();
}

QRect FittedBox::LineRect(const Drawing& drawing) const {
  const QRect area = TextArea();
  const QFontMetrics metrics(drawing.font);
  const int width = metrics.horizontalAdvance(drawing.text);
  int left = area.left();
  if (alignment() & Qt::AlignRight) left = area.right() + 1 - width;
  if (alignment() & Qt::AlignHCenter) left = area.left() + (area.width() - width) / 2;
  return QRect(left, area.top() + (area.height() - metrics.height() + 1) / 2, width,
               metrics.height());
}

DrawnLine FittedBox::FittedLine() const {
  const Drawing& drawing = DrawnText();
  if (DrawnAsLineEdit(drawing)) return LineEditDrawnLine(*this);
  DrawnLine line(text(), drawing.text, drawing.font, TextArea());
  line.Anchor(0, LineRect(drawing).topLeft());
  return line;
}

DrawnLine FittedBox::Drawn() const {
  return DrawsFitted() ? FittedLine() : LineEditDrawnLine(*this);
}

int FittedBox::FittedCaretAt(QPoint point) const {
  const DrawnLine line = FittedLine();
  const QRect first = line.CharacterRect(0);
  const int count = static_cast<int>(text().size());
  if (first.isEmpty() || point.x() < first.left()) return 0;
  const int offset = line.OffsetAt(QPoint(point.x(), first.center().y()));
  if (offset < 0) return count;
  // Past the middle of what is drawn there, after every character drawn there.
  const QRect drawn = line.CharacterRect(offset);
  if (point.x() < drawn.center().x()) return offset;
  int after = offset + 1;
  while (after < count && line.CharacterRect(after) == drawn) ++after;
  return after;
}

void FittedBox::paintEvent(QPaintEvent* event) {
  paintedFitted_ = DrawsFitted() && !DrawnAsLineEdit(DrawnText());
  if (!paintedFitted_) {
    QLineEdit::paintEvent(event);
    return;
  }
  PaintFitted(DrawnText());
}

void FittedBox::PaintFitted(const Drawing& drawing) {
  QPainter painter(this);
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

  const QRect area = TextArea();
  const QFontMetrics metrics(drawing.font);
  const QRect line = LineRect(drawing);
  const int left = line.left();

  // A selection in a shortened text covers all of it; in a whole text, its own characters.
  QRect selected;
  if (hasSelectedText()) {
    selected = line;
    if (drawing.text == text()) {
      const int start = selectionStart();
      selected.setLeft(left + metrics.horizontalAdvance(drawing.text.left(start)));
      selected.setRight(left + metrics.horizontalAdvance(drawing.text.left(selectionEnd())) - 1);
    }
  }
  painter.setClipRect(area);
  painter.setFont(drawing.font);
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, drawing.text);
  if (!selected.isEmpty()) {
    painter.setClipRect(selected.intersected(area));
    painter.fillRect(selected, palette().brush(QPalette::Highlight));
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, drawing.text);
  }
}

}  // namespace zentavo
