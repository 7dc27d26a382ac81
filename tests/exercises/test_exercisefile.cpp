#include "exercises/exercisefile.h"
#include "exercises/exercisefixture.h"
#include "common/testmain.h"

#include <QTemporaryDir>
#include <QTest>

using namespace exercises;
using namespace exercisefixture;

class TestExerciseFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void blankRecords_data();
    void blankRecords();
    void corrected_data();
    void corrected();
    void description();
    void hourglasses_data();
    void hourglasses();
    void shortFileReadsBlank();
    void unreadableFiles_data();
    void unreadableFiles();
    void relativeNames_data();
    void relativeNames();

private:
    QString path(const QString& name = "exo.E43") const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestExerciseFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestExerciseFile::blankRecords_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<bool>("blank");
    QTest::addRow("empty") << "" << true;
    QTest::addRow("spaces") << "    " << true;
    QTest::addRow("a name") << "a.rtf" << false;
    QTest::addRow("a name among spaces") << "  a  " << false;
    QTest::addRow("a tab is not a space") << "\t" << false;
}

void TestExerciseFile::blankRecords()
{
    QFETCH(QString, record);
    QFETCH(bool, blank);
    QCOMPARE(isBlank(record), blank);
}

void TestExerciseFile::corrected_data()
{
    QTest::addColumn<QString>("correction");
    QTest::addColumn<QString>("correctionConfiguration");
    QTest::addColumn<bool>("corrected");
    QTest::addRow("records 3 and 4 blank") << "" << "   " << false;
    QTest::addRow("only record 4") << "" << "corrige.P20" << true;
    QTest::addRow("only record 3") << "corrige.rtf" << "" << true;
    QTest::addRow("both") << "corrige.rtf" << "corrige.P20" << true;
}

void TestExerciseFile::corrected()
{
    QFETCH(QString, correction);
    QFETCH(QString, correctionConfiguration);
    QFETCH(bool, corrected);
    QVERIFY(writeExercise(path(), describedExercise(correction, correctionConfiguration)));
    const auto file = readExerciseFile(path());
    QVERIFY(file);
    QCOMPARE(file->corrected(), corrected);
}

void TestExerciseFile::description()
{
    QVERIFY(writeExercise(path(), describedExercise("corrige.rtf", "")));
    const auto file = readExerciseFile(path());
    QVERIFY(file);
    QCOMPARE(file->statement, QString("enonce.rtf"));
    QCOMPARE(file->statementConfiguration, QString("situation.P20"));
    QCOMPARE(file->correction, QString("corrige.rtf"));
    QCOMPARE(file->level, 2.0);
    QCOMPARE(file->notions, QStringList({"Chute libre", "Vecteur vitesse"}));
    QCOMPARE(file->title, QString("Lancer d'une pomme"));
    QCOMPARE(file->hourglasses, 3);
}

void TestExerciseFile::hourglasses_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<int>("count");
    QTest::addRow("whole") << " 4" << 4;
    QTest::addRow("half rounds to even, down") << "2.5" << 2;
    QTest::addRow("half rounds to even, up") << "3.5" << 4;
    QTest::addRow("decimal comma stops Val") << "3,9" << 3;
    QTest::addRow("not a number") << "beaucoup" << 0;
    QTest::addRow("negative") << "-3" << 0;
    QTest::addRow("capped") << "100000" << maxHourglasses;
}

void TestExerciseFile::hourglasses()
{
    QFETCH(QString, record);
    QFETCH(int, count);
    QStringList records = describedExercise("", "");
    records[durationRecord - 1] = record;
    QVERIFY(writeExercise(path(), records));
    QCOMPARE(readExerciseFile(path())->hourglasses, count);
}

void TestExerciseFile::shortFileReadsBlank()
{
    QVERIFY(writeExercise(path(), {"enonce.rtf", "situation.P20"}));
    const auto file = readExerciseFile(path());
    QVERIFY(file);
    QCOMPARE(file->statement, QString("enonce.rtf"));
    QVERIFY(!file->corrected());
    QVERIFY(file->notions.isEmpty());
    QCOMPARE(file->title, QString());
    QCOMPARE(file->level, 0.0);
}

void TestExerciseFile::unreadableFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readable");
    QByteArray broken(128 * 3, '\0');
    broken[128] = char(0xFF); // record 2 claims 255 bytes
    QTest::addRow("length beyond the record") << broken << false;
    QByteArray truncated(128 + 4, '\0');
    truncated[128] = 40; // record 2 claims 40 bytes, the file holds 2
    QTest::addRow("string cut by the end of the file") << truncated << false;
    QTest::addRow("empty file") << QByteArray() << true;
}

void TestExerciseFile::unreadableFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QCOMPARE(readExerciseFile(path()).has_value(), readable);
    QVERIFY(!readExerciseFile(path("absent.E43")));
    QVERIFY(!readExerciseFile(m_dir->path()));
}

void TestExerciseFile::relativeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::addRow("plain") << "Enonce.rtf" << "Enonce.rtf";
    QTest::addRow("other case") << "ENONCE.RTF" << "Enonce.rtf";
    QTest::addRow("backslash folder") << "Textes\\Corrige.rtf" << "Textes/Corrige.rtf";
    QTest::addRow("folder and file in other case") << "textes\\CORRIGE.rtf" << "Textes/Corrige.rtf";
    QTest::addRow("slash folder") << "Textes/Corrige.rtf" << "Textes/Corrige.rtf";
    QTest::addRow("missing keeps the name") << "textes\\Absent.rtf" << "Textes/Absent.rtf";
    QTest::addRow("missing folder") << "Ailleurs\\x.rtf" << "Ailleurs/x.rtf";
}

void TestExerciseFile::relativeNames()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QVERIFY(QDir(m_dir->path()).mkdir("Textes"));
    for (const QString& file : {QString("Enonce.rtf"), QString("Textes/Corrige.rtf")}) {
        QFile touch(path(file));
        QVERIFY(touch.open(QIODevice::WriteOnly));
    }
    QCOMPARE(resolveRelative(m_dir->path() + "/", name), QDir(m_dir->path()).absolutePath() + "/" + expected);
}

TAVREL_TEST_MAIN(TestExerciseFile)
#include "test_exercisefile.moc"
