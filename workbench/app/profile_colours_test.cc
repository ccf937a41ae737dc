#include "app/profile_colours.h"

#include <QColorDialog>
#include <QtTest>

#include "app/option_values.h"

using namespace veldra;

class ProfileColoursTest : public QObject {
  Q_OBJECT

 private slots:
  void redIsTheLowByte() {
    QCOMPARE(colourFromValue(kBlue), QColor(0, 0, 255));
    QCOMPARE(colourFromValue(0x123456), QColor(0x56, 0x34, 0x12));
    QCOMPARE(valueFromColour(QColor(1, 2, 3)), quint32(0x030201));
    QCOMPARE(valueFromColour(colourFromValue(0xABCDEF)), quint32(0xABCDEF));
  }

  void customColoursGoToTheDialogAndBack() {
    CustomColors colours;
    for (size_t i = 0; i < colours.colors.size(); ++i)
      colours.colors[i] = quint32(0x010203 * (i + 1));
    applyCustomColours(colours);
    QCOMPARE(QColorDialog::customColor(1), colourFromValue(0x020406));
    QCOMPARE(currentCustomColours().colors, colours.colors);
  }
};

QTEST_MAIN(ProfileColoursTest)
#include "profile_colours_test.moc"
