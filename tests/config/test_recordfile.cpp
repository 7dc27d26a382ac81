#include "config/recordfile.h"
#include "common/testmain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace config;

class TestRecordFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void roundTrip_data();
    void roundTrip();
    void layoutOnDisk();
    void recordsAreIndependent();
    void cp1252Bytes_data();
    void cp1252Bytes();
    void longTextIsCut();
    void hostileFiles_data();
    void hostileFiles();
    void lastRecordMayEndAfterItsString();
    void readAll();
    void unwritablePath();

private:
    QString path(const QString& name = "fichier.P20") const { return m_dir->filePath(name); }
    void writeRaw(const QByteArray& bytes) const;
    QByteArray readRaw() const;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRecordFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestRecordFile::writeRaw(const QByteArray& bytes) const
{
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray TestRecordFile::readRaw() const
{
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestRecordFile::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("accents") << "boule de pétanque (800 g)";
    QTest::addRow("capital accent") << "Énergie";
    QTest::addRow("ligature") << "œ";
    QTest::addRow("euro") << "€";
    QTest::addRow("empty") << "";
    QTest::addRow("signature") << "TAVRELTS";
    QTest::addRow("full record") << QString(maxRecordTextLength, u'é');
}

void TestRecordFile::roundTrip()
{
    QFETCH(QString, text);
    QVERIFY(writeRecord(path(), 3, text));
    QCOMPARE(readRecord(path(), 3), std::optional<QString>(text));
}

void TestRecordFile::layoutOnDisk()
{
    QVERIFY(writeRecord(path(), 1, "TAVRELTS"));
    QVERIFY(writeRecord(path(), 2, "Énergie"));
    const QByteArray bytes = readRaw();
    QCOMPARE(bytes.size(), 2 * recordLength);
    QCOMPARE(bytes.left(10), QByteArray("\x08\x00TAVRELTS", 10));
    QCOMPARE(bytes.mid(recordLength, 9), QByteArray("\x07\x00\xC9nergie", 9));
    QCOMPARE(bytes.mid(recordLength + 9), QByteArray(recordLength - 9, '\0'));
}

void TestRecordFile::recordsAreIndependent()
{
    QVERIFY(writeRecord(path(), 31, "exercice.E43"));
    QCOMPARE(readRaw().size(), 31 * recordLength);
    QCOMPARE(readRecord(path(), 10), std::optional<QString>("")); // padding reads as empty
    QVERIFY(writeRecord(path(), 10, "OUI"));
    QVERIFY(writeRecord(path(), 10, "NON"));
    QVERIFY(writeRecord(path(), 31, ""));
    QCOMPARE(readRecord(path(), 10), std::optional<QString>("NON"));
    QCOMPARE(readRecord(path(), 31), std::optional<QString>(""));
    QCOMPARE(readRaw().size(), 31 * recordLength);
}

void TestRecordFile::cp1252Bytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("ascii") << "x = 1" << QByteArray("x = 1");
    QTest::addRow("latin-1") << "éàç" << QByteArray("\xE9\xE0\xE7");
    QTest::addRow("euro") << "€" << QByteArray("\x80");
    QTest::addRow("oe") << "œŒ" << QByteArray("\x9C\x8C");
    QTest::addRow("quotes and dashes") << "‘’“”–—…" << QByteArray("\x91\x92\x93\x94\x96\x97\x85");
    QTest::addRow("outside the code page") << "α→" << QByteArray("??");
    QTest::addRow("outside the basic plane") << QString::fromUcs4(U"a\U0001F600b") << QByteArray("a?b");
}

void TestRecordFile::cp1252Bytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(QByteArray::fromStdString(toCp1252(text)), bytes);
    if (!bytes.contains('?'))
        QCOMPARE(fromCp1252(bytes.toStdString()), text);
}

void TestRecordFile::longTextIsCut()
{
    const QString text = QString(120, u'a') + "bcdefghij";
    QVERIFY(writeRecord(path(), 1, text));
    QVERIFY(writeRecord(path(), 2, "suivant"));
    QCOMPARE(readRecord(path(), 1), std::optional<QString>(text.left(maxRecordTextLength)));
    QCOMPARE(readRecord(path(), 2), std::optional<QString>("suivant"));
}

void TestRecordFile::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("record");

    QByteArray huge(recordLength, '\0');
    huge[0] = '\xFF';
    huge[1] = '\xFF';
    QByteArray tooLong(recordLength, '\0');
    tooLong[0] = 127;
    const QByteArray truncated = QByteArray("\x08\x00TAVR", 6);

    QTest::addRow("length 0xFFFF") << huge << 1;
    QTest::addRow("length beyond the record") << tooLong << 1;
    QTest::addRow("string cut short") << truncated << 1;
    QTest::addRow("length field cut short") << QByteArray(recordLength + 1, '\0') << 2;
    QTest::addRow("beyond the end") << QByteArray(recordLength, '\0') << 2;
    QTest::addRow("empty file") << QByteArray() << 1;
    QTest::addRow("plain text") << QByteArray("Ceci n'est pas un fichier de configuration.\n") << 1;
    QTest::addRow("record 0") << QByteArray(recordLength, '\0') << 0;
}

void TestRecordFile::hostileFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(int, record);
    writeRaw(content);
    QCOMPARE(readRecord(path(), record), std::nullopt);
}

void TestRecordFile::lastRecordMayEndAfterItsString()
{
    writeRaw(QByteArray(recordLength, '\0') + QByteArray("\x03\x00OUI", 5));
    QCOMPARE(readRecord(path(), 2), std::optional<QString>("OUI"));
    QCOMPARE(readRecord(path("absent.tmp"), 1), std::nullopt);

    // Writing a record beyond such a file pads it without disturbing it.
    QVERIFY(writeRecord(path(), 4, "NON"));
    QCOMPARE(readRaw().size(), 4 * recordLength);
    QCOMPARE(readRecord(path(), 2), std::optional<QString>("OUI"));
    QCOMPARE(readRecord(path(), 3), std::optional<QString>(""));
    QCOMPARE(readRecord(path(), 4), std::optional<QString>("NON"));
}

void TestRecordFile::readAll()
{
    const std::vector<QString> texts = {"TAVRELTS", " 0", " 2", "15,00", "Énergie"};
    QVERIFY(writeRecords(path(), 1, texts));
    QCOMPARE(readAllRecords(path(), 5), std::optional<std::vector<QString>>(texts));
    QCOMPARE(readAllRecords(path(), 6), std::nullopt);

    QByteArray bytes = readRaw();
    bytes[3 * recordLength] = char(200); // record 4 claims more than it holds
    writeRaw(bytes);
    QCOMPARE(readAllRecords(path(), 5), std::nullopt);
    QCOMPARE(readAllRecords(path(), 3)->at(2), QString(" 2"));
}

void TestRecordFile::unwritablePath()
{
    QVERIFY(!writeRecord(m_dir->path(), 1, "x")); // a directory
    QVERIFY(!writeRecord(path("absent/fichier.P20"), 1, "x"));
    QVERIFY(!writeRecord(path(), 0, "x"));
    QVERIFY(!QFile::exists(path()));
}

TAVREL_TEST_GUILESS_MAIN(TestRecordFile)
#include "test_recordfile.moc"
