#include "result_box.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
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

ResultBox::ResultBox(std::string decimalSeparator, QWidget* parent)
    : QLineEdit(parent), decimalSeparator_(std::move(decimalSeparator)) {
  setReadOnly(true);
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    drawing_.reset();
    setToolTip(text);
  });
}

void ResultBox::resizeEvent(QResizeEvent* event) {
  drawing_.reset();
  QLineEdit::resizeEvent(event);
}

void ResultBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    drawing_.reset();
    widestNumberCharacter_ = 0;
  }
  QLineEdit::changeEvent(event);
}

QRect ResultBox::TextArea() const {
  return LineEditTextArea(*this);
}

const ResultBox::Drawing& ResultBox::DrawnText() const {
  if (!drawing_) drawing_ = Fitted();
  return *drawing_;
}

// Most results are short numbers: they fit for certain, without laying out their text, when
// every character is one a number is written with and even the widest of those would fit.
bool ResultBox::SurelyFits(const QString& shown) const {
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

ResultBox::Drawing ResultBox::Fitted() const {
  const QString whole = text();
  if (SurelyFits(whole)) return {whole, font()};
  const int room = TextArea().width();
  QFont drawn = font();
  auto fits = [&](const QString& shown) {
    return QFontMetrics(drawn).horizontalAdvance(shown) <= room;
  };
  if (fits(whole)) return {whole, drawn};
  const int size = PixelSize(drawn);
  const int smallest = std::max(1, static_cast<int>(std::lround(size * kSmallestScale)));
  for (int pixels = size - 1; pixels >= smallest; --pixels) {
    drawn.setPixelSize(pixels);
    if (fits(whole)) return {whole, drawn};
  }
  const std::string shortened =
      ElideNumber(whole.toStdString(), decimalSeparator_, [&](std::string_view shown) {
        return fits(QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())));
      });
  return {QString::fromStdString(shortened), drawn};
}

bool ResultBox::DrawnAsLineEdit(const Drawing& drawing) const {
  return drawing.text == text() && drawing.font == font();
}

QRect ResultBox::LineRect(const Drawing& drawing) const {
  const QRect area = TextArea();
  const QFontMetrics metrics(drawing.font);
  const int width = metrics.horizontalAdvance(drawing.text);
  int left = area.left();
  if (alignment() & Qt::AlignRight) left = area.right() + 1 - width;
  if (alignment() & Qt::AlignHCenter) left = area.left() + (area.width() - width) / 2;
  return QRect(left, area.top() + (area.height() - metrics.height() + 1) / 2, width,
               metrics.height());
}

DrawnLine ResultBox::Drawn() const {
  const Drawing& drawing = DrawnText();
  if (DrawnAsLineEdit(drawing)) return LineEditDrawnLine(*this);
  DrawnLine line(text(), drawing.text, drawing.font, TextArea());
  line.Anchor(0, LineRect(drawing).topLeft());
  return line;
}

void ResultBox::paintEvent(QPaintEvent* event) {
  const Drawing& drawing = DrawnText();
  if (DrawnAsLineEdit(drawing)) {
    QLineEdit::paintEvent(event);
    return;
  }
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
