#include "codepage.h"

#include <QTest>

namespace {

QString utf16(std::initializer_list<char16_t> units)
{
    QString s;
    for (char16_t u : units)
        s.append(QChar(u));
    return s;
}

} // namespace

class TestCodepage : public QObject
{
    Q_OBJECT

private slots:
    void byteToCharacter_data();
    void byteToCharacter();
    void everyByteRoundTrips();
    void exactlyTheCodePageEncodes();
    void encode_data();
    void encode();
    void appendKeepsWhatIsThere();
};

void TestCodepage::byteToCharacter_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("character");

    QTest::newRow("0x00 NUL") << 0x00 << 0x0000;
    QTest::newRow("0x3F question mark") << 0x3F << 0x003F;
    QTest::newRow("0x7F DEL") << 0x7F << 0x007F;
    QTest::newRow("0x80 euro sign") << 0x80 << 0x20AC;
    QTest::newRow("0x81 undefined, kept as C1") << 0x81 << 0x0081;
    QTest::newRow("0x82 low single quote") << 0x82 << 0x201A;
    QTest::newRow("0x83 f with hook") << 0x83 << 0x0192;
    QTest::newRow("0x85 ellipsis") << 0x85 << 0x2026;
    QTest::newRow("0x8A S caron") << 0x8A << 0x0160;
    QTest::newRow("0x8C OE") << 0x8C << 0x0152;
    QTest::newRow("0x8D undefined, kept as C1") << 0x8D << 0x008D;
    QTest::newRow("0x8E Z caron") << 0x8E << 0x017D;
    QTest::newRow("0x8F undefined, kept as C1") << 0x8F << 0x008F;
    QTest::newRow("0x90 undefined, kept as C1") << 0x90 << 0x0090;
    QTest::newRow("0x91 left single quote") << 0x91 << 0x2018;
    QTest::newRow("0x93 left double quote") << 0x93 << 0x201C;
    QTest::newRow("0x96 en dash") << 0x96 << 0x2013;
    QTest::newRow("0x97 em dash") << 0x97 << 0x2014;
    QTest::newRow("0x98 small tilde") << 0x98 << 0x02DC;
    QTest::newRow("0x99 trade mark") << 0x99 << 0x2122;
    QTest::newRow("0x9D undefined, kept as C1") << 0x9D << 0x009D;
    QTest::newRow("0x9F Y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("0xA0 no-break space, Latin-1 from here") << 0xA0 << 0x00A0;
    QTest::newRow("0xE4 a umlaut") << 0xE4 << 0x00E4;
    QTest::newRow("0xFF y diaeresis") << 0xFF << 0x00FF;
}

void TestCodepage::byteToCharacter()
{
    QFETCH(int, byte);
    QFETCH(int, character);
    const QByteArray bytes(1, char(byte));
    QCOMPARE(codepage::toUnicode(bytes), QString(QChar(char16_t(character))));
    QCOMPARE(codepage::fromUnicode(QString(QChar(char16_t(character)))), bytes);
}

void TestCodepage::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = codepage::toUnicode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(codepage::fromUnicode(text), all);
}

// Of all 65536 UTF-16 code units, exactly 256 encode to something other than
// '?' (counting '?' itself), and those are a one-to-one map onto the bytes
// that decodes back to the same character.
void TestCodepage::exactlyTheCodePageEncodes()
{
    int encodable = 0;
    bool byteSeen[256] = {};
    for (int u = 0; u <= 0xFFFF; ++u) {
        const QString c{QChar(char16_t(u))};
        const QByteArray b = codepage::fromUnicode(c);
        QCOMPARE(b.size(), 1);
        if (b.at(0) == '?' && u != '?')
            continue;
        ++encodable;
        const auto byte = static_cast<unsigned char>(b.at(0));
        QVERIFY2(!byteSeen[byte], qPrintable(QString::number(u, 16)));
        byteSeen[byte] = true;
        QCOMPARE(codepage::toUnicode(b), c);
    }
    QCOMPARE(encodable, 256);
}

void TestCodepage::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("CR LF kept as two bytes") << "a\r\nb" << QByteArray("a\r\nb");
    QTest::newRow("NUL inside the text") << utf16({'a', 0, 'b'}) << QByteArray("a\0b", 3);
    QTest::newRow("euro and umlaut") << utf16({0x20AC, 0xE4}) << QByteArray("\x80\xE4");
    QTest::newRow("U+0100 is outside") << utf16({'x', 0x0100, 'y'}) << QByteArray("x?y");
    QTest::newRow("U+0080 is outside (0x80 is the euro)") << utf16({0x0080}) << QByteArray("?");
    QTest::newRow("U+009F is outside (0x9F is Y diaeresis)") << utf16({0x009F}) << QByteArray("?");
    QTest::newRow("Cyrillic word: one ? each") << utf16({0x041C, 0x0438, 0x0440}) << QByteArray("???");
    QTest::newRow("surrogate pair is one character") << utf16({'a', 0xD83D, 0xDE00, 'b'})
                                                     << QByteArray("a?b");
    QTest::newRow("two surrogate pairs in a row") << utf16({0xD83D, 0xDE00, 0xD83D, 0xDE01})
                                                  << QByteArray("??");
    QTest::newRow("lone high surrogate") << utf16({'a', 0xD83D, 'b'}) << QByteArray("a?b");
    QTest::newRow("lone high surrogate at the end") << utf16({'a', 0xD83D}) << QByteArray("a?");
    QTest::newRow("lone low surrogate") << utf16({'a', 0xDE00, 'b'}) << QByteArray("a?b");
    QTest::newRow("low before high is two characters") << utf16({0xDE00, 0xD83D}) << QByteArray("??");
    QTest::newRow("high, high, low: one lone, one pair") << utf16({0xD83D, 0xD83D, 0xDE00})
                                                         << QByteArray("??");
}

void TestCodepage::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(codepage::fromUnicode(text), bytes);
}

void TestCodepage::appendKeepsWhatIsThere()
{
    QByteArray out("head:");
    codepage::appendFromUnicode(out, utf16({0x20AC, 0xD83D, 0xDE00, 'z'}));
    QCOMPARE(out, QByteArray("head:\x80?z"));
}

QTEST_APPLESS_MAIN(TestCodepage)
#include "tst_codepage.moc"
