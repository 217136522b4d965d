// Qt's own texts in the window are Romanian, whatever the locale: the edit boxes' context menu and
// the failure box's button.
#include <QAction>
#include <QMenu>
#include <QTranslator>
#include <memory>

#include "window_fixture.h"

namespace zentavo {
namespace {

using testing_support::WindowTest;

// The texts of a menu's entries, without their shortcuts; the shortcuts separately.
struct MenuTexts {
  QStringList entries;
  QStringList shortcuts;
};

MenuTexts TextsOf(QMenu& menu) {
  MenuTexts texts;
  for (QAction* action : menu.actions()) {
    if (action->isSeparator()) continue;
    const QStringList parts = action->text().split('\t');
    texts.entries << parts.value(0);
    texts.shortcuts << parts.value(1);
  }
  return texts;
}

TEST_F(WindowTest, AnInputBoxsContextMenuIsRomanianWithItsAcceleratorsAndShortcuts) {
  std::unique_ptr<QMenu> menu(Edit(Form().txtRp(0))->createStandardContextMenu());
  const MenuTexts texts = TextsOf(*menu);
  EXPECT_EQ(texts.entries, (QStringList{"An&ulează", "&Refă", "&Taie", "&Copiază", "&Lipește",
                                        "Șterge", "Selectează t&ot"}));
  auto shortcut = [](QKeySequence::StandardKey key) {
    return QKeySequence(key).toString(QKeySequence::NativeText);
  };
  EXPECT_EQ(texts.shortcuts,
            (QStringList{shortcut(QKeySequence::Undo), shortcut(QKeySequence::Redo),
                         shortcut(QKeySequence::Cut), shortcut(QKeySequence::Copy),
                         shortcut(QKeySequence::Paste), "", shortcut(QKeySequence::SelectAll)}));
  EXPECT_EQ(texts.shortcuts.front(), "Ctrl+Z");
}

TEST_F(WindowTest, AResultBoxsContextMenuOffersCopyAndSelectAllInRomanian) {
  TypeOver(Form().txtRp(0), "100");
  TypeOver(Form().txtRp(1), "100");
  std::unique_ptr<QMenu> menu(Edit(Form().txtRpt)->createStandardContextMenu());
  EXPECT_EQ(TextsOf(*menu).entries, (QStringList{"&Copiază", "Selectează t&ot"}));
}

// Every text the catalogue holds is a real translation, in Romanian letters with the comma
// below, and no two entries of one menu share an accelerator.
TEST(ToolkitCatalogue, TranslatesEveryMenuTextWithDistinctAccelerators) {
  QTranslator catalogue;
  ASSERT_TRUE(catalogue.load(":/translations/toolkit_ro.qm"));
  for (const char* context : {"QLineEdit", "QWidgetTextControl"}) {
    SCOPED_TRACE(context);
    QSet<QChar> accelerators;
    for (const char* source :
         {"&Undo", "&Redo", "Cu&t", "&Copy", "&Paste", "Delete", "Select All"}) {
      const QString text = catalogue.translate(context, source);
      EXPECT_FALSE(text.isEmpty()) << source;
      EXPECT_NE(text, QString(source));
      EXPECT_FALSE(text.contains(QChar(0x015F)) || text.contains(QChar(0x0163)))
          << text.toStdString() << " uses a cedilla instead of the comma below";
      const int mark = text.indexOf('&');
      if (mark < 0) continue;
      const QChar key = text.at(mark + 1).toLower();
      EXPECT_FALSE(accelerators.contains(key)) << text.toStdString();
      accelerators.insert(key);
    }
  }
  EXPECT_EQ(catalogue.translate("QSpiAccessibleBridge", "frame"), "cadru");
}

}  // namespace
}  // namespace zentavo
