#include "core/text_codec.h"

#include <QtTest>

using namespace veldra;

class TextCodecTest : public QObject {
  Q_OBJECT

 private slots:
  void shiftJisBothWays() {
    const QByteArray sjis("\x8a\xd6\x90\x94\x88\xea\x97\x97 \xda\xc3\xde\xa8");  // 関数一覧 ﾚﾃﾞｨ
    QCOMPARE(decodeShiftJis(sjis), QStringLiteral("関数一覧 ﾚﾃﾞｨ"));
    QCOMPARE(encodeShiftJis(QStringLiteral("関数一覧 ﾚﾃﾞｨ")), sjis);
    QCOMPARE(encodeShiftJis(QStringLiteral("a\\b~c")), QByteArray("a\\b~c"));
    QCOMPARE(encodeShiftJis(QStringLiteral("日本😀x")), QByteArray("\x93\xfa\x96{?x"));
  }

  void engineOutputIsShiftJisUnlessItIsUtf8() {
    QCOMPARE(decodeText("\xe9\x96\xa2\xe6\x95\xb0"), QStringLiteral("関数"));
    QCOMPARE(decodeText("\x8a\xd6\x90\x94"), QStringLiteral("関数"));
    QCOMPARE(decodeText("plain"), QStringLiteral("plain"));
    QVERIFY(!isMultiByteUtf8("ascii only"));
    QVERIFY(!isMultiByteUtf8("\xc0\x80"));          // overlong
    QVERIFY(!isMultiByteUtf8("\xed\xa0\x80"));      // surrogate
    QVERIFY(!isMultiByteUtf8("\xf4\x90\x80\x80"));  // above U+10FFFF
    QVERIFY(!isMultiByteUtf8("\xe9\x96"));          // cut short
    QVERIFY(isMultiByteUtf8("\xf0\x9f\x98\x80"));
  }
};

QTEST_APPLESS_MAIN(TextCodecTest)
#include "text_codec_test.moc"
