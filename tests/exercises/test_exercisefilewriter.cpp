#include "exercises/exercisefilewriter.h"
#include "common/testmain.h"

#include "config/recordfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace exercises;

Q_DECLARE_METATYPE(exercises::ExerciseFile)

namespace {

ExerciseFile described()
{
    ExerciseFile file;
    file.statement = QStringLiteral("chute_enonce.rtf");
    file.statementConfiguration = QStringLiteral("chute_enonce.P20");
    file.correction = QStringLiteral("corrigés\\chute_corrige.rtf");
    file.correctionConfiguration = QStringLiteral("chute_corrige.P20");
    file.level = 3;
    file.notions = {QStringLiteral("Chute libre. "), QStringLiteral("Énergie mécanique.")};
    file.title = QStringLiteral("Chute d'une pomme");
    file.hourglasses = 4;
    return file;
}

} // namespace

class TestExerciseFileWriter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void roundTrip_data();
    void roundTrip();
    void recordLayout();
    void refusedDescriptions_data();
    void refusedDescriptions();
    void failedWriteKeepsTheOldFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestExerciseFileWriter::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestExerciseFileWriter::roundTrip_data()
{
    QTest::addColumn<ExerciseFile>("file");
    QTest::newRow("corrected, two notions") << described();
    ExerciseFile bare = described();
    bare.correction.clear();
    bare.correctionConfiguration.clear();
    bare.statementConfiguration.clear();
    bare.notions.clear();
    bare.level = 0;
    bare.hourglasses = 0;
    QTest::newRow("statement alone, level 0") << bare;
    ExerciseFile full = described();
    full.notions = {"Un. ", "Deux. ", "Trois. ", "Quatre."};
    full.title = QString(126, u'é');
    QTest::newRow("four notions, longest title") << full;
}

void TestExerciseFileWriter::roundTrip()
{
    QFETCH(ExerciseFile, file);
    const QString path = m_dir->filePath("exo.E43");
    QVERIFY(writeExerciseFile(path, file));
    const std::optional<ExerciseFile> read = readExerciseFile(path);
    QVERIFY(read);
    QCOMPARE(read->statement, file.statement);
    QCOMPARE(read->statementConfiguration, file.statementConfiguration);
    QCOMPARE(read->correction, file.correction);
    QCOMPARE(read->correctionConfiguration, file.correctionConfiguration);
    QCOMPARE(read->level, file.level);
    QCOMPARE(read->notions, file.notions);
    QCOMPARE(read->title, file.title);
    QCOMPARE(read->hourglasses, file.hourglasses);
    QCOMPARE(read->corrected(), file.corrected());
}

void TestExerciseFileWriter::recordLayout()
{
    const std::optional<QByteArray> image = exerciseFileImage(described());
    QVERIFY(image);
    QCOMPARE(image->size(), 12 * config::recordLength);
    const std::string_view bytes(image->constData(), std::size_t(image->size()));
    // Numbers are stored as the program writes them, with a leading space.
    QCOMPARE(config::recordString(bytes, levelRecord).bytes, std::string(" 3"));
    QCOMPARE(config::recordString(bytes, durationRecord).bytes, std::string(" 4"));
    QCOMPARE(config::recordString(bytes, 6).bytes, std::string());
    QCOMPARE(config::recordString(bytes, 9).bytes, std::string());
    // "é" is one byte of the code page.
    QCOMPARE(config::recordString(bytes, 8).bytes, std::string("\xc9nergie m\xe9""canique."));
}

void TestExerciseFileWriter::refusedDescriptions_data()
{
    QTest::addColumn<ExerciseFile>("file");
    ExerciseFile five = described();
    five.notions = {"1", "2", "3", "4", "5"};
    QTest::newRow("five notions") << five;
    ExerciseFile longTitle = described();
    longTitle.title = QString(127, u'a');
    QTest::newRow("title beyond its record") << longTitle;
    ExerciseFile longName = described();
    longName.statement = QString(130, u'n');
    QTest::newRow("statement name beyond its record") << longName;
    ExerciseFile greek = described();
    greek.notions = {QStringLiteral("Δv = g·Δt")};
    QTest::newRow("notion outside the code page") << greek;
    ExerciseFile emoji = described();
    emoji.title = QStringLiteral("Chute libre \U0001F34E");
    QTest::newRow("title outside the basic plane") << emoji;
}

void TestExerciseFileWriter::refusedDescriptions()
{
    QFETCH(ExerciseFile, file);
    QVERIFY(!exerciseFileImage(file));
    const QString path = m_dir->filePath("exo.E43");
    QVERIFY(!writeExerciseFile(path, file));
    QVERIFY(!QFile::exists(path));
}

void TestExerciseFileWriter::failedWriteKeepsTheOldFile()
{
    const QString path = m_dir->filePath("exo.E43");
    QVERIFY(writeExerciseFile(path, described()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    // A description that cannot be written leaves the old file whole.
    ExerciseFile five = described();
    five.notions = {"1", "2", "3", "4", "5"};
    QVERIFY(!writeExerciseFile(path, five));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    // A folder that does not exist cannot take the file.
    QVERIFY(!writeExerciseFile(m_dir->filePath("absent/exo.E43"), described()));
}

TAVREL_TEST_MAIN(TestExerciseFileWriter)
#include "test_exercisefilewriter.moc"
