// CSV files as spreadsheets write and read them: what is written reads back the same, the
// encoding and separator of a file are found, and a broken file names its line.
#include "csv/CsvReader.h"
#include "csv/CsvText.h"
#include "csv/CsvWriter.h"

#include <QBuffer>
#include <QDate>
#include <QTest>

using namespace quarvel::csv;

class TestCsv : public QObject {
    Q_OBJECT

private slots:
    void whatIsWrittenReadsBackExactly() {
        const QList<QStringList> rows = {
            {"Name", "Note", "Price"},
            {"Rake, steel", "He said \"sturdy\"", "12.5"},
            {"Seeds & Bulbs", "first line\r\nsecond line", ""},
            {"  padded  ", "Äpfel – süß", "0"},
            {"", "", ""},
        };
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CsvWriter writer(&buffer);
        for (const QStringList& row : rows)
            writer.writeRow(row);
        QVERIFY(writer.ok());
        const QByteArray bytes = buffer.data();
        // Plain fields stay unquoted; lines end in CR LF.
        QVERIFY(bytes.startsWith(
            "Name,Note,Price\r\n\"Rake, steel\",\"He said \"\"sturdy\"\"\",12.5\r\n"));
        const Dialect dialect = CsvReader::detect(bytes);
        QCOMPARE(dialect.separator, ',');
        QCOMPARE(dialect.encoding, Dialect::Encoding::Utf8);
        QCOMPARE(CsvReader::read(bytes, dialect), rows);
    }

    void findsEncodingAndSeparatorOfSpreadsheetFiles() {
        // A spreadsheet in a German locale: semicolons, Latin-1, a comma inside a number.
        const QByteArray latin1 = "Name;Preis\n\"K"
                                  "\xe4"
                                  "se; alt\";1,5\nM"
                                  "\xfc"
                                  "sli;2\n";
        Dialect dialect = CsvReader::detect(latin1);
        QCOMPARE(dialect.separator, ';');
        QCOMPARE(dialect.encoding, Dialect::Encoding::Latin1);
        QCOMPARE(CsvReader::read(latin1, dialect),
                 (QList<QStringList>{{"Name", "Preis"}, {"Käse; alt", "1,5"}, {"Müsli", "2"}}));

        // UTF-8 with a byte-order mark and tabs; the mark is not part of the first header.
        const QByteArray tabs = "\xEF\xBB\xBF"
                                "Name\tCity\n\xC3\x89"
                                "clair\tK\xC3\xB6"
                                "ln\n\n";
        dialect = CsvReader::detect(tabs);
        QCOMPARE(dialect.separator, '\t');
        QCOMPARE(dialect.encoding, Dialect::Encoding::Utf8);
        QCOMPARE(CsvReader::read(tabs, dialect),
                 (QList<QStringList>{{"Name", "City"}, {"Éclair", "Köln"}}));

        // Separators inside a quoted header do not count.
        QCOMPARE(CsvReader::detect("\"a;b;c\",d\n").separator, ',');
    }

    void aBrokenFileNamesItsLine() {
        const Dialect dialect;
        try {
            CsvReader::read("Name\nfine\n\"open quote\nstill open\n", dialect);
            QFAIL("an unclosed quote was read");
        } catch (const ReadError& e) {
            QCOMPARE(e.line, 3);
        }
        try {
            CsvReader::read("Name,Price\n\"Rake\"x,1\n", dialect);
            QFAIL("text after a closing quote was read");
        } catch (const ReadError& e) {
            QCOMPARE(e.line, 2);
            QVERIFY(!e.message.isEmpty());
        }
    }

    void valuesArePortableUnlessShownAsTheLocaleShowsThem() {
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(textOf(QDate(2021, 3, 9)), QString("2021-03-09"));
        QCOMPARE(textOf(QString("2021-03-09")), QString("2021-03-09"));
        QCOMPARE(textOf(0.1 + 0.2 - 0.30000000000000004 + 0.3), QString("0.3"));
        QCOMPARE(textOf(1234567.0), QString("1234567"));
        QCOMPARE(textOf(QVariant(qlonglong(-42))), QString("-42"));
        QCOMPARE(textOf(QVariant()), QString());
        QCOMPARE(textOf(1234.5, Style::Shown, german), QString("1234,5"));
        QCOMPARE(textOf(QString("2021-03-09"), Style::Shown, german), QString("09.03.2021"));
        // Text that only looks like a date is left alone.
        QCOMPARE(textOf(QString("2021-13-40"), Style::Shown, german), QString("2021-13-40"));
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
