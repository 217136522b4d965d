// Results of any length stay readable and true: every result box draws its whole text within its
// contents, in a smaller size where needed, or a shortening that keeps the first digit, the decimal
// separator and the exponent (of the exponent form, for a number written without one); and it
// still holds, shows as its tooltip, tells a screen reader and copies the whole text. Screenshots
// of long results are saved for a person to look at.
#include <QAccessible>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>

#include "fitted_box.h"
#include "number_elision.h"
#include "painted_pixels.h"
#include "result_box.h"
#include "window_fixture.h"

namespace zentavo {
namespace {

using testing_support::DevicePixels;
using testing_support::InkBounds;
using testing_support::WindowTest;

// Long texts as the calculator writes them, "." standing for the decimal separator.
const char* const kLongTexts[] = {"17.982612",
                                  "3.81039087715294E+21",
                                  "-1.23456789012345E+308",
                                  "61728332771605.5",
                                  "123456789012345",
                                  "0.333333333333333",
                                  "1.5E-05",
                                  "999.999"};

class LongResults : public WindowTest {
 protected:
  LongResults() { PickInList(Form().cboRezP, 2); }

  QString Local(const char* text) {
    return QString(text).replace('.', QString::fromStdString(Form().Format().decimalSeparator));
  }

  // The result boxes, and the current as the program writes it while it is not being edited.
  std::vector<TextBox*> FittedBoxes() {
    std::vector<TextBox*> boxes{&Form().txtRpt, &Form().txtUpt, &Form().txtIpt};
    for (int i = 0; i < kResistorRows; ++i) {
      boxes.push_back(&Form().txtPp(i));
      boxes.push_back(&Form().txtIp(i));
    }
    return boxes;
  }

  void SaveGrab(const QString& what) {
    const QPixmap grab = window->grab();
    QDir().mkpath(ZENTAVO_SCREENSHOT_DIR);
    const QString file = QString("%1/long_results_%2_%3_at_%4_percent.png")
                             .arg(ZENTAVO_SCREENSHOT_DIR, what, QLocale::system().name())
                             .arg(qRound(grab.devicePixelRatio() * 100));
    EXPECT_TRUE(grab.save(file)) << file.toStdString();
  }
};

TEST_F(LongResults, EveryBoxDrawsItsWholeTextOrAShorteningThatKeepsWhatMatters) {
  const QString separator = QString::fromStdString(Form().Format().decimalSeparator);
  for (const char* written : kLongTexts) {
    const QString text = Local(written);
    for (TextBox* box : FittedBoxes()) {
      // The form makes a negative current positive.
      if (!box->ReadOnly() && text.startsWith('-')) continue;
      SCOPED_TRACE(box->QualifiedName() + " showing " + text.toStdString());
      box->SetText(text.toStdString());
      auto* result = qobject_cast<FittedBox*>(Edit(*box));
      ASSERT_NE(result, nullptr);
      ASSERT_FALSE(result->hasFocus());
      const FittedBox::Drawing& drawing = result->DrawnText();
      const QRect area = result->TextArea();
      const QFontMetrics metrics(drawing.font);
      const int designSize = result->font().pixelSize();
      EXPECT_GE(drawing.font.pixelSize(), qRound(designSize * FittedBox::kSmallestScale));
      EXPECT_EQ(drawing.font.family(), result->font().family());
      if (drawing.text == text) {
        EXPECT_LE(metrics.horizontalAdvance(text), area.width());
      } else {
        EXPECT_TRUE(drawing.text.contains(QChar(0x2026))) << drawing.text.toStdString();
        // A number written without an exponent is shortened in its exponent form.
        const std::optional<std::string> exponentForm =
            InExponentForm(text.toStdString(), Form().Format().decimalSeparator);
        const QString form = exponentForm ? QString::fromStdString(*exponentForm) : text;
        const qsizetype firstDigit = form.indexOf(QRegularExpression("[0-9]"));
        EXPECT_TRUE(drawing.text.startsWith(form.left(firstDigit + 1)));
        EXPECT_EQ(drawing.text.contains(separator), form.contains(separator));
        const qsizetype exponent = form.indexOf('E');
        if (exponent >= 0) {
          EXPECT_TRUE(drawing.text.endsWith(form.mid(exponent)));
        }
        EXPECT_LE(metrics.horizontalAdvance(drawing.text), area.width());
      }

      // What was painted lies within the contents, and the box still holds the whole text.
      const QImage image = result->grab().toImage();
      const QRect ink =
          InkBounds(image, image.rect(), result->palette().color(QPalette::Base), 100);
      ASSERT_FALSE(ink.isEmpty());
      const QRect contents = DevicePixels(image, area);
      EXPECT_TRUE(contents.contains(ink))
          << ink.x() << "," << ink.width() << " beyond " << contents.x() << "," << contents.width();
      EXPECT_EQ(box->Text(), text.toStdString());
      EXPECT_EQ(result->text(), text);
      if (result->isReadOnly()) {
        EXPECT_EQ(result->toolTip(), text);
      }
      EXPECT_EQ(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Value), text);
    }
  }
}

TEST_F(LongResults, CopyingAShortenedResultGivesItWhole) {
  const QString text = Local("3.81039087715294E+21");
  Form().txtPp(0).SetText(text.toStdString());
  auto* result = qobject_cast<ResultBox*>(Edit(Form().txtPp(0)));
  ASSERT_NE(result->DrawnText().text, text) << "the test needs a shortened text";
  QTest::mouseClick(result, Qt::LeftButton);
  QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
  EXPECT_EQ(Form().txtPp(0).Text(), text.toStdString());
}

// The cases that were drawn misleadingly, computed for real, for a person to look at.
TEST_F(LongResults, ScreenshotsOfComputedLongResults) {
  struct Case {
    const char* name;
    std::vector<QString> resistors;
    int unitEntry;
    QString current;
    int currentUnitEntry;
  };
  const Case cases[] = {
      {"unrounded_voltage", {"4.7", "2.2"}, 1, "12", 1},
      {"huge", {"999999", "999999"}, 2, "123456789", 2},
  };
  PickInList(Form().cboRezP, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (std::size_t i = 0; i < c.resistors.size(); ++i) {
      TypeOver(Form().txtRp(static_cast<int>(i)), Local(c.resistors[i].toUtf8().constData()));
      PickInList(Form().cboRp(static_cast<int>(i)), c.unitEntry);
    }
    TypeOver(Form().txtIpt, c.current);
    PickInList(Form().cboIpt, c.currentUnitEntry);
    EXPECT_TRUE(recorded.failures.empty());
    EXPECT_FALSE(Form().txtUpt.Text().empty());
    SaveGrab(c.name);
  }
}

}  // namespace
}  // namespace zentavo
