#include "config/configuration.h"
#include "common/testmain.h"
#include "common/timebound.h"
#include "config/recordfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace config;

Q_DECLARE_METATYPE(config::ReadFailure)
Q_DECLARE_METATYPE(config::Configuration)

namespace {

// The window's situation after start-up.
Configuration startUp()
{
    Configuration c;
    c.place = 0;
    c.projectile = 2;
    c.x0 = "0,00";
    c.y0 = "0,00";
    c.v0 = "15,00";
    c.alpha = "77,00";
    c.velocityScaleSetting = 30;
    c.velocityChangeSetting = 6;
    c.weightScaleSetting = 70;
    c.chronoInterval = "300";
    c.frame = Tick::Ticked;
    c.stopOutsideScene = Tick::Ticked;
    c.accelerationScaleSetting = 30;
    c.colours = {255, 16711935, 33023, 16711680, 16777215, 65535, 9519867, 16776960, 16711680, 49152};
    return c;
}

// Every record away from its start-up value.
Configuration everythingChanged()
{
    Configuration c;
    c.place = 2;
    c.projectile = 4;
    c.x0 = "-0,39";
    c.y0 = "11,67";
    c.v0 = QString(126, u'9');
    c.alpha = "-180,00";
    c.velocityScaleSetting = 49;
    c.velocityChangeSetting = 20;
    c.weightScaleSetting = 0;
    c.chronoInterval = "5000";
    c.frame = Tick::Unticked;
    c.centreMarksOnly = Tick::Ticked;
    c.grid = Tick::Grey;
    c.stopOutsideScene = Tick::Unticked;
    c.velocity = Tick::Ticked;
    c.velocityChange = Tick::Ticked;
    c.construction = Tick::Grey;
    c.trajectory = Tick::Ticked;
    c.photoVectors = Tick::Ticked;
    c.thickLines = Tick::Ticked;
    c.projections = Tick::Ticked;
    c.weight = Tick::Ticked;
    c.slowMotion = Tick::Ticked;
    c.acceleration = Tick::Ticked;
    c.accelerationScaleSetting = 0;
    // A system colour of older files, a plain negative value, black, white.
    c.colours = {std::int32_t(0x8000000F), -1, 0, 16777215, 1, 256, 65536, 12345678, 8421504, 7};
    return c;
}

QByteArray record(const QByteArray& text)
{
    return QByteArray::fromStdString(recordImage(text.toStdString()));
}

// A whole file from the start-up situation, with record n replaced.
QByteArray fileWith(int n, const QByteArray& recordBytes)
{
    QByteArray bytes = QByteArray::fromStdString(*configurationImage(startUp()));
    bytes.replace((n - 1) * recordLength, recordLength, recordBytes);
    return bytes;
}

ConfigurationRead parse(const QByteArray& bytes)
{
    return parseConfiguration(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

} // namespace

class TestConfiguration : public QObject {
    Q_OBJECT
private slots:
    void init();
    void goldenBytes();
    void roundTrip_data();
    void roundTrip();
    void fileRoundTrip();
    void outsideTheCodePage();
    void tooLongTextIsNotWritten();
    void hostileBytes_data();
    void hostileBytes();
    void acceptedConversions_data();
    void acceptedConversions();
    void failureKeepsWhatCameBefore();
    void lastRecordMayEndAfterItsString();
    void hugeSparseFile();
    void unreadablePaths();
    void failedWriteKeepsTheOldFile();

private:
    QString path(const QString& name = "situation.P20") const { return m_dir->filePath(name); }
    void writeRaw(const QString& file, const QByteArray& bytes) const;
    QByteArray readRaw(const QString& file) const;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestConfiguration::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestConfiguration::writeRaw(const QString& file, const QByteArray& bytes) const
{
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(bytes), bytes.size());
}

QByteArray TestConfiguration::readRaw(const QString& file) const
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void TestConfiguration::goldenBytes()
{
    const QByteArray bytes = QByteArray::fromStdString(*configurationImage(startUp()));
    QCOMPARE(bytes.size(), 36 * 128);
    QCOMPARE(bytes.left(10), QByteArray("\x08\x00TAVRELTS", 10));
    QCOMPARE(bytes.mid(10, 118), QByteArray(118, '\0'));
    const auto at = [&bytes](int n, int length) { return bytes.mid((n - 1) * 128, length); };
    QCOMPARE(at(2, 4), QByteArray("\x02\x00 0", 4));
    QCOMPARE(at(3, 4), QByteArray("\x02\x00 2", 4));
    QCOMPARE(at(4, 6), QByteArray("\x04\x00" "0,00", 6));
    QCOMPARE(at(6, 7), QByteArray("\x05\x00" "15,00", 7));
    QCOMPARE(at(7, 7), QByteArray("\x05\x00" "77,00", 7));
    QCOMPARE(at(8, 5), QByteArray("\x03\x00 30", 5));
    QCOMPARE(at(9, 4), QByteArray("\x02\x00 6", 4));
    QCOMPARE(at(11, 5), QByteArray("\x03\x00" "300", 5));
    QCOMPARE(at(12, 4), QByteArray("\x02\x00 1", 4));
    QCOMPARE(at(13, 4), QByteArray("\x02\x00 0", 4));
    QCOMPARE(at(27, 6), QByteArray("\x04\x00 255", 6));
    QCOMPARE(bytes.mid(3456, 11), QByteArray("\x09\x00 16711935", 11));
    QCOMPARE(at(31, 11), QByteArray("\x09\x00 16777215", 11));
    QCOMPARE(at(36, 8), QByteArray("\x06\x00 49152", 8));
    QCOMPARE(bytes.mid(35 * 128 + 8), QByteArray(120, '\0'));
}

void TestConfiguration::roundTrip_data()
{
    QTest::addColumn<Configuration>("configuration");
    QTest::addRow("start-up") << startUp();
    QTest::addRow("everything changed") << everythingChanged();
    Configuration accents = startUp();
    accents.chronoInterval = "é€œ‘’…";
    accents.x0 = "";
    QTest::addRow("accents and an empty field") << accents;
}

void TestConfiguration::roundTrip()
{
    QFETCH(Configuration, configuration);
    const QByteArray bytes = QByteArray::fromStdString(*configurationImage(configuration));
    const ConfigurationRead read = parse(bytes);
    QCOMPARE(read.failure, std::nullopt);
    QVERIFY(read.configuration == configuration);
}

void TestConfiguration::fileRoundTrip()
{
    QVERIFY(writeConfiguration(path(), startUp()));
    QVERIFY(writeConfiguration(path(), everythingChanged())); // over the first
    QCOMPARE(readRaw(path()).size(), 36 * 128);
    const ConfigurationRead read = readConfiguration(path());
    QCOMPARE(read.failure, std::nullopt);
    QVERIFY(read.configuration == everythingChanged());
    QCOMPARE(read.configuration.colours[0], std::int32_t(0x8000000F));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"situation.P20"}); // no temporary left
}

void TestConfiguration::outsideTheCodePage()
{
    Configuration c = startUp();
    c.x0 = "1,5α";
    const ConfigurationRead read = parse(QByteArray::fromStdString(*configurationImage(c)));
    QCOMPARE(read.configuration.x0, QString("1,5?"));
}

void TestConfiguration::tooLongTextIsNotWritten()
{
    QVERIFY(writeConfiguration(path(), startUp()));
    const QByteArray before = readRaw(path());
    Configuration c = startUp();
    c.v0 = QString(127, u'1');
    QCOMPARE(configurationImage(c), std::nullopt);
    QVERIFY(!writeConfiguration(path(), c));
    QCOMPARE(readRaw(path()), before);
}

void TestConfiguration::hostileBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ReadFailure>("failure");
    using F = ReadFailure;

    const QByteArray valid = QByteArray::fromStdString(*configurationImage(startUp()));
    QByteArray lengthFFFF = valid;
    lengthFFFF[0] = '\xFF';
    lengthFFFF[1] = '\xFF';
    QByteArray length127 = valid;
    length127[0] = 127;
    QByteArray bigEndian = valid;
    bigEndian[0] = 0;
    bigEndian[1] = 8;

    QTest::addRow("empty file") << QByteArray() << F{F::WrongSignature, 1};
    QTest::addRow("1 byte") << QByteArray("\x08", 1) << F{F::WrongSignature, 1};
    QTest::addRow("127 bytes") << valid.left(127) << F{F::RecordMissing, 2};
    QTest::addRow("129 bytes") << valid.left(129) << F{F::RecordMissing, 2};
    QTest::addRow("string of record 2 cut") << valid.left(131) << F{F::RecordCutShort, 2};
    QTest::addRow("lower-case signature") << fileWith(1, record("tavrelts")) << F{F::WrongSignature, 1};
    QTest::addRow("longer signature") << fileWith(1, record("TAVRELTS ")) << F{F::WrongSignature, 1};
    QTest::addRow("length 0xFFFF") << lengthFFFF << F{F::WrongSignature, 1};
    QTest::addRow("length 127") << length127 << F{F::WrongSignature, 1};
    QTest::addRow("big-endian length") << bigEndian << F{F::WrongSignature, 1};
    QByteArray tooLong = valid;
    tooLong[5 * 128] = 127;
    QTest::addRow("record 6 claims 127 bytes") << tooLong << F{F::RecordTooLong, 6};
    QTest::addRow("undefined code page bytes") << fileWith(4, record("\x81\x8D\x8F\x90\x9D"))
                                               << F{F::UnreadableText, 4};
    QTest::addRow("NUL in a text") << fileWith(5, record(QByteArray("1\0" "5", 3))) << F{F::UnreadableText, 5};
    QTest::addRow("CR/LF in a text") << fileWith(11, record("300\r\n")) << F{F::UnreadableText, 11};
    QTest::addRow("letters in record 8") << fileWith(8, record("trente")) << F{F::NotAnInteger, 8};
    QTest::addRow("number then letters in record 10") << fileWith(10, record(" 70 N")) << F{F::NotAnInteger, 10};
    QTest::addRow("16-bit overflow in record 8") << fileWith(8, record(" 40000")) << F{F::NotAnInteger, 8};
    QTest::addRow("32-bit overflow in record 9") << fileWith(9, record(" 3000000000")) << F{F::NotAnInteger, 9};
    QTest::addRow("empty record 9") << fileWith(9, record("")) << F{F::NotAnInteger, 9};
    QTest::addRow("place index 7") << fileWith(2, record(" 7")) << F{F::Refused, 2};
    QTest::addRow("place index -1") << fileWith(2, record("-1")) << F{F::Refused, 2};
    QTest::addRow("projectile index 5") << fileWith(3, record(" 5")) << F{F::Refused, 3};
    QTest::addRow("huge projectile index") << fileWith(3, record(" 1E300")) << F{F::Refused, 3};
    QTest::addRow("velocity scale 50") << fileWith(8, record(" 50")) << F{F::Refused, 8};
    QTest::addRow("interval setting 0") << fileWith(9, record(" 0")) << F{F::Refused, 9};
    QTest::addRow("interval setting 21") << fileWith(9, record(" 21")) << F{F::Refused, 9};
    QTest::addRow("weight scale 91") << fileWith(10, record(" 91")) << F{F::Refused, 10};
    QTest::addRow("check box value 5") << fileWith(14, record(" 5")) << F{F::Refused, 14};
    QTest::addRow("check box value -1") << fileWith(25, record("-1")) << F{F::Refused, 25};
    QTest::addRow("acceleration scale 50") << fileWith(26, record(" 50")) << F{F::Refused, 26};
    QTest::addRow("colour beyond white") << fileWith(30, record(" 16777216")) << F{F::Refused, 30};
    QTest::addRow("colour beyond 32 bits") << fileWith(27, record("-2147483649")) << F{F::Refused, 27};
    QTest::addRow("file ends in the colours") << valid.left(29 * 128 + 1) << F{F::RecordMissing, 30};
}

void TestConfiguration::hostileBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ReadFailure, failure);
    const ConfigurationRead read = parse(bytes);
    QCOMPARE(read.failure, std::optional<ReadFailure>(failure));
    QVERIFY(!read.holds(failure.record));

    // The same through a file.
    writeRaw(path(), bytes);
    QCOMPARE(readConfiguration(path()).failure, std::optional<ReadFailure>(failure));
}

void TestConfiguration::acceptedConversions_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Configuration>("expected");

    const auto with = [](auto change) {
        Configuration c = startUp();
        change(c);
        return c;
    };
    // Val: the number at the start, "." as the point, blanks skipped, ties to even.
    QTest::addRow("Val 1.5 rounds to 2") << 2 << QByteArray("1.5") << with([](Configuration& c) { c.place = 2; });
    QTest::addRow("Val 2.5 rounds to 2") << 2 << QByteArray("2.5") << with([](Configuration& c) { c.place = 2; });
    QTest::addRow("Val 0.5 rounds to 0") << 3 << QByteArray("0.5") << with([](Configuration& c) { c.projectile = 0; });
    QTest::addRow("Val skips blanks") << 3 << QByteArray(" 4 ") << with([](Configuration& c) { c.projectile = 4; });
    QTest::addRow("Val stops at letters") << 3 << QByteArray("3 pierres") << with([](Configuration& c) { c.projectile = 3; });
    QTest::addRow("Val of letters is 0") << 12 << QByteArray("oui") << with([](Configuration& c) { c.frame = Tick::Unticked; });
    QTest::addRow("greyed check box") << 16 << QByteArray(" 2") << with([](Configuration& c) { c.velocity = Tick::Grey; });
    QTest::addRow("Val acceleration scale") << 26 << QByteArray("12abc") << with([](Configuration& c) { c.accelerationScaleSetting = 12; });
    // The integer conversion takes the user's decimal comma.
    QTest::addRow("integer 3,5 rounds to 4") << 8 << QByteArray("3,5") << with([](Configuration& c) { c.velocityScaleSetting = 4; });
    QTest::addRow("integer 4,5 rounds to 4") << 10 << QByteArray("4,5") << with([](Configuration& c) { c.weightScaleSetting = 4; });
    QTest::addRow("integer with blanks") << 9 << QByteArray("  20 ") << with([](Configuration& c) { c.velocityChangeSetting = 20; });
    QTest::addRow("negative colour kept") << 29 << QByteArray("-2147483648") << with([](Configuration& c) { c.colours[2] = INT32_MIN; });
    QTest::addRow("colour in Val form") << 36 << QByteArray("1E3") << with([](Configuration& c) { c.colours[9] = 1000; });
    QTest::addRow("text kept as it is") << 4 << QByteArray(" 12,5 ") << with([](Configuration& c) { c.x0 = " 12,5 "; });
}

void TestConfiguration::acceptedConversions()
{
    QFETCH(int, record);
    QFETCH(QByteArray, text);
    QFETCH(Configuration, expected);
    const ConfigurationRead read = parse(fileWith(record, ::record(text)));
    QCOMPARE(read.failure, std::nullopt);
    QVERIFY(read.configuration == expected);
}

void TestConfiguration::failureKeepsWhatCameBefore()
{
    QByteArray bytes = QByteArray::fromStdString(*configurationImage(everythingChanged()));
    bytes.replace(13 * 128, 128, record(" 5")); // record 14, Check3
    const ConfigurationRead read = parse(bytes);
    QCOMPARE(read.failure, std::optional<ReadFailure>(ReadFailure{ReadFailure::Refused, 14}));
    QVERIFY(read.holds(13));
    QVERIFY(!read.holds(14) && !read.holds(36));
    const Configuration& c = read.configuration;
    QCOMPARE(c.place, 2);
    QCOMPARE(c.v0, QString(126, u'9'));
    QCOMPARE(c.chronoInterval, QString("5000"));
    QCOMPARE(c.centreMarksOnly, Tick::Ticked);
    QCOMPARE(c.grid, Tick::Unticked); // not read: left as it was
    QCOMPARE(c.colours[0], 0);
}

void TestConfiguration::lastRecordMayEndAfterItsString()
{
    const QByteArray full = QByteArray::fromStdString(*configurationImage(startUp()));
    const QByteArray shortest = full.left(35 * 128 + 8); // " 49152" and its length
    ConfigurationRead read = parse(shortest);
    QCOMPARE(read.failure, std::nullopt);
    QVERIFY(read.configuration == startUp());
    read = parse(full.left(35 * 128 + 7));
    QCOMPARE(read.failure, std::optional<ReadFailure>(ReadFailure{ReadFailure::RecordCutShort, 36}));
}

void TestConfiguration::hugeSparseFile()
{
    const qint64 size = qint64(1) << 30;
    // Zeros: record 1 holds an empty string.
    QFile zeros(path("zeros.P20"));
    QVERIFY(zeros.open(QIODevice::WriteOnly));
    QVERIFY(zeros.resize(size));
    zeros.close();
    // A good configuration followed by a gigabyte of nothing.
    writeRaw(path(), QByteArray::fromStdString(*configurationImage(everythingChanged())));
    QFile tail(path());
    QVERIFY(tail.resize(size));

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(readConfiguration(path("zeros.P20")).failure,
             std::optional<ReadFailure>(ReadFailure{ReadFailure::WrongSignature, 1}));
    const ConfigurationRead read = readConfiguration(path());
    // Reading a gigabyte, even of holes, takes far longer than this.
    QVERIFY2(clock.elapsed() < testsupport::timeBound(100), qPrintable(QString::number(clock.elapsed()) + " ms"));
    QCOMPARE(read.failure, std::nullopt);
    QVERIFY(read.configuration == everythingChanged());
}

void TestConfiguration::unreadablePaths()
{
    const ReadFailure cannotRead{ReadFailure::CannotRead, 1};
    QCOMPARE(readConfiguration(path("absent.P20")).failure, std::optional<ReadFailure>(cannotRead));
    QVERIFY(QDir(m_dir->path()).mkdir("dossier.P20"));
    QCOMPARE(readConfiguration(path("dossier.P20")).failure, std::optional<ReadFailure>(cannotRead));
    // A pipe would block a plain read until someone writes to it.
    QCOMPARE(mkfifo(QFile::encodeName(path("tube.P20")).constData(), 0600), 0);
    QCOMPARE(readConfiguration(path("tube.P20")).failure, std::optional<ReadFailure>(cannotRead));

    writeRaw(path(), QByteArray::fromStdString(*configurationImage(startUp())));
    QVERIFY(QFile::setPermissions(path(), QFileDevice::WriteOwner));
    QFile probe(path());
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("this user reads files without read permission (root)");
    QCOMPARE(readConfiguration(path()).failure, std::optional<ReadFailure>(cannotRead));
}

void TestConfiguration::failedWriteKeepsTheOldFile()
{
    QVERIFY(writeConfiguration(path(), startUp()));
    const QByteArray before = readRaw(path());

    // A full disk: the process may not write more than 1 000 bytes to a file.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writeConfiguration(path(), everythingChanged());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY(!written);
    QCOMPARE(readRaw(path()), before);

    // A name whose temporary companion the file system cannot hold.
    const QString longName = path(QString(251, u'n') + ".P20");
    writeRaw(longName, before);
    QVERIFY(!writeConfiguration(longName, everythingChanged()));
    QCOMPARE(readRaw(longName), before);

    // A directory in the way, a folder that does not exist.
    QVERIFY(QDir(m_dir->path()).mkdir("dossier.P20"));
    QVERIFY(!writeConfiguration(path("dossier.P20"), startUp()));
    QVERIFY(QFileInfo(path("dossier.P20")).isDir());
    QVERIFY(!writeConfiguration(path("absent/situation.P20"), startUp()));

    // A read-only folder.
    QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QFile probe(path("probe"));
    const bool folderStillWritable = probe.open(QIODevice::WriteOnly);
    if (!folderStillWritable) {
        QVERIFY(!writeConfiguration(path(), everythingChanged()));
        QCOMPARE(readRaw(path()), before);
    }
    QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).filter(".P20.").size(), 0); // no temporary left
    if (folderStillWritable)
        QSKIP("this user writes into read-only folders (root): that case is not tried");
}

TAVREL_TEST_GUILESS_MAIN(TestConfiguration)
#include "test_configuration.moc"
