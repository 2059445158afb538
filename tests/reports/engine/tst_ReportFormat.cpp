#include "reports/engine/ReportFormat.h"

#include <QTest>

using namespace quarvel::reports;

class tst_ReportFormat : public QObject {
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void longForms();
};

void tst_ReportFormat::formats_data() {
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");

    const QString price = QStringLiteral("$##0.00");
    QTest::newRow("12.5") << QVariant(12.5) << price << "$12.50";
    QTest::newRow("zero") << QVariant(0) << price << "$0.00";
    QTest::newRow("negative") << QVariant(-3) << price << "-$3.00";
    QTest::newRow("negative rounding to zero") << QVariant(-0.001) << price << "$0.00";
    QTest::newRow("half up on decimal digits") << QVariant(2.675) << price << "$2.68";
    QTest::newRow("sum noise") << QVariant(0.1 + 0.2) << price << "$0.30";
    QTest::newRow("carry") << QVariant(9.999) << price << "$10.00";
    QTest::newRow("number as text") << QVariant(QStringLiteral("12.5")) << price << "$12.50";
    QTest::newRow("text stays text") << QVariant(QStringLiteral("n/a")) << price << "n/a";
    QTest::newRow("null") << QVariant() << price << "";

    const QString blank = QStringLiteral("$# ##0.00");
    QTest::newRow("blank groups thousands") << QVariant(12345.5) << blank << "$12 345.50";
    QTest::newRow("blank carry into group") << QVariant(999.999) << blank << "$1 000.00";
    QTest::newRow("comma") << QVariant(1234567.891) << "#,##0.00"
                           << "1,234,567.89";
    QTest::newRow("negative section") << QVariant(-3) << "0.00;(0.00)"
                                      << "(3.00)";
    QTest::newRow("percent") << QVariant(0.125) << "Percent"
                             << "12.50%";

    const QString date = QStringLiteral("mm/dd/yyyy");
    QTest::newRow("date") << QVariant(QDate(2021, 1, 5)) << date << "01/05/2021";
    QTest::newRow("stored date and time")
        << QVariant(QStringLiteral("2021-12-31 08:05:00")) << date << "12/31/2021";
    QTest::newRow("minutes after hours")
        << QVariant(QDateTime(QDate(2021, 3, 4), QTime(15, 7))) << "h:mm AM/PM"
        << "3:07 PM";
    QTest::newRow("names") << QVariant(QDate(2021, 3, 4)) << "dddd d mmmm yy"
                           << "Thursday 4 March 21";

    // General form.
    QTest::newRow("general noise") << QVariant(0.1 + 0.2) << ""
                                   << "0.3";
    QTest::newRow("general whole double") << QVariant(3.0) << ""
                                          << "3";
    QTest::newRow("general date") << QVariant(QDate(2025, 1, 15)) << ""
                                  << "1/15/2025";
    QTest::newRow("general stored date") << QVariant(QStringLiteral("2025-01-15")) << ""
                                         << "1/15/2025";
    QTest::newRow("general text") << QVariant(QStringLiteral("Apples 12%")) << ""
                                  << "Apples 12%";
}

void tst_ReportFormat::formats() {
    QFETCH(QVariant, value);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(formatValue(value, format, QLocale(QLocale::English, QLocale::UnitedStates)),
             expected);
}

void tst_ReportFormat::longForms() {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QDateTime at(QDate(2025, 1, 15), QTime(13, 2, 3));
    QCOMPARE(formatValue(at, QStringLiteral("Long Date"), us),
             QStringLiteral("Wednesday, January 15, 2025"));
    QCOMPARE(formatValue(at, QStringLiteral("Long Time"), us), QStringLiteral("1:02:03 PM"));
    // Another locale gives its own long forms.
    const QLocale de(QLocale::German, QLocale::Germany);
    QCOMPARE(longDate(at.date(), de), QStringLiteral("Mittwoch, 15. Januar 2025"));
    QCOMPARE(longTime(at.time(), de), QStringLiteral("13:02:03"));
}

QTEST_MAIN(tst_ReportFormat)
#include "tst_ReportFormat.moc"
