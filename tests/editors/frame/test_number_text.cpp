#include "editors/frame/decimal_value.h"
#include "editors/frame/hex_label.h"

#include <QTest>
#include <limits>

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void hexLabel_data() {
        QTest::addColumn<unsigned>("value");
        QTest::addColumn<QString>("label");
        QTest::newRow("0") << 0u << QStringLiteral("[0]");
        QTest::newRow("10") << 10u << QStringLiteral("[A]");
        QTest::newRow("16") << 16u << QStringLiteral("[10]");
        QTest::newRow("255") << 255u << QStringLiteral("[FF]");
        QTest::newRow("chest offset") << 0x3B2CAu << QStringLiteral("[3B2CA]");
    }
    void hexLabel() {
        QFETCH(unsigned, value);
        QFETCH(QString, label);
        QCOMPARE(::hexLabel(value), label);
    }

    void decimalValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<int>("value");
        QTest::newRow("zero") << QStringLiteral("0") << true << 0;
        QTest::newRow("leading zeros") << QStringLiteral("007") << true << 7;
        QTest::newRow("16-bit") << QStringLiteral("65535") << true << 65535;
        QTest::newRow("int max") << QStringLiteral("2147483647") << true
                                 << std::numeric_limits<int>::max();
        QTest::newRow("past int max")
            << QStringLiteral("2147483648") << true << std::numeric_limits<int>::max();
        QTest::newRow("twenty digits")
            << QStringLiteral("99999999999999999999") << true << std::numeric_limits<int>::max();
        QTest::newRow("empty") << QString() << false << 0;
        QTest::newRow("sign") << QStringLiteral("-5") << false << 0;
        QTest::newRow("plus") << QStringLiteral("+5") << false << 0;
        QTest::newRow("blank") << QStringLiteral(" 7") << false << 0;
        QTest::newRow("trailing letter") << QStringLiteral("12a") << false << 0;
        QTest::newRow("fraction") << QStringLiteral("3.5") << false << 0;
        QTest::newRow("hex") << QStringLiteral("0x10") << false << 0;
        // a digit of another script is no decimal digit here
        QTest::newRow("arabic-indic three") << QStringLiteral("\u0663") << false << 0;
        QTest::newRow("fullwidth one") << QStringLiteral("\uFF11") << false << 0;
    }
    void decimalValue() {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(int, value);
        const std::optional<int> number = ::decimalValue(text);
        QCOMPARE(number.has_value(), isNumber);
        QCOMPARE(number.value_or(0), value);
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "test_number_text.moc"
