// The user manual as installed beside the program: every link leads to a page
// (and an anchor) that exists, every picture named exists and loads, every
// page can be reached from the contents.

#include "common/testmain.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextDocument>

namespace {

QDir helpDirectory() { return QDir(QStringLiteral(TAVREL_APP_DIR "help")); }

QString read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList captures(const QString& html, const QString& pattern)
{
    QStringList found;
    const QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption);
    for (auto match = expression.globalMatch(html); match.hasNext();)
        found.append(match.next().captured(1));
    return found;
}

QStringList links(const QString& html) { return captures(html, QStringLiteral("<a\\s[^>]*href=\"([^\"]*)\"")); }
QStringList pictures(const QString& html) { return captures(html, QStringLiteral("<img\\s[^>]*src=\"([^\"]*)\"")); }
QSet<QString> anchors(const QString& html)
{
    const QStringList names = captures(html, QStringLiteral("<a\\s[^>]*name=\"([^\"]*)\""))
                              + captures(html, QStringLiteral("\\sid=\"([^\"]*)\""));
    return QSet<QString>(names.begin(), names.end());
}

QStringList pages() { return helpDirectory().entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name); }

} // namespace

class TestHelpManual : public QObject {
    Q_OBJECT
private slots:
    void manualInstalled();
    void everyLinkLeadsToAPage_data() { pageTable(); }
    void everyLinkLeadsToAPage();
    void everyPictureExists_data() { pageTable(); }
    void everyPictureExists();
    void everyPageHasATitle_data() { pageTable(); }
    void everyPageHasATitle();
    void everyPageReachableFromTheContents();
    void coversTheProgram_data();
    void coversTheProgram();

private:
    static void pageTable();
};

void TestHelpManual::manualInstalled()
{
    QVERIFY2(helpDirectory().exists(QStringLiteral("index.html")), qPrintable(helpDirectory().path()));
    QVERIFY(pages().size() >= 10);
}

void TestHelpManual::pageTable()
{
    QTest::addColumn<QString>("page");
    for (const QString& page : pages())
        QTest::newRow(qPrintable(page)) << page;
}

void TestHelpManual::everyLinkLeadsToAPage()
{
    QFETCH(QString, page);
    const QString html = read(helpDirectory().filePath(page));
    for (const QString& link : links(html)) {
        if (link.startsWith(QLatin1String("http://")) || link.startsWith(QLatin1String("https://")))
            continue;
        const QString file = link.section(QLatin1Char('#'), 0, 0);
        const QString anchor = link.section(QLatin1Char('#'), 1);
        const QString target = file.isEmpty() ? page : file;
        QVERIFY2(helpDirectory().exists(target), qPrintable(page + " → " + link));
        if (!anchor.isEmpty())
            QVERIFY2(anchors(read(helpDirectory().filePath(target))).contains(anchor), qPrintable(page + " → " + link));
    }
}

void TestHelpManual::everyPictureExists()
{
    QFETCH(QString, page);
    for (const QString& picture : pictures(read(helpDirectory().filePath(page)))) {
        const QImage image(helpDirectory().filePath(picture));
        QVERIFY2(!image.isNull(), qPrintable(page + " → " + picture));
        QVERIFY2(image.width() >= 100 && image.height() >= 50, qPrintable(picture));
    }
}

void TestHelpManual::everyPageHasATitle()
{
    QFETCH(QString, page);
    QTextDocument document;
    document.setHtml(read(helpDirectory().filePath(page)));
    QVERIFY2(!document.metaInformation(QTextDocument::DocumentTitle).trimmed().isEmpty(), qPrintable(page));
    QVERIFY2(document.toPlainText().size() > 400, qPrintable(page));
    // Read outside the help window too, the page keeps its look.
    QVERIFY2(
        read(helpDirectory().filePath(page)).contains(QLatin1String("<link rel=\"stylesheet\" href=\"aide.css\">")),
        qPrintable(page));
}

void TestHelpManual::everyPageReachableFromTheContents()
{
    QSet<QString> reached{QStringLiteral("index.html")};
    QStringList waiting{QStringLiteral("index.html")};
    while (!waiting.isEmpty()) {
        const QString page = waiting.takeFirst();
        for (const QString& link : links(read(helpDirectory().filePath(page)))) {
            const QString file = link.section(QLatin1Char('#'), 0, 0);
            if (file.endsWith(QLatin1String(".html")) && !reached.contains(file)) {
                reached.insert(file);
                waiting.append(file);
            }
        }
    }
    for (const QString& page : pages())
        QVERIFY2(reached.contains(page), qPrintable(page));
    // Every page is listed on the contents page itself, not only reachable.
    const QStringList listed = links(read(helpDirectory().filePath(QStringLiteral("index.html"))));
    for (const QString& page : pages())
        QVERIFY2(page == QLatin1String("index.html") || listed.contains(page), qPrintable(page));
}

void TestHelpManual::coversTheProgram_data()
{
    // What a user meets in the program, and words its page must explain.
    QTest::addColumn<QString>("words");
    QTest::addRow("parameters") << "Terre|Lune|Mars|pomme (180 g)|rocher (1 830 kg)|11,67";
    QTest::addRow("animation") << "Simulation|Pause|Stop|Retrouver la position initiale|Animation au ralenti";
    QTest::addRow("display") << "Afficher le repère|Afficher la grille|Marquer la trajectoire|Traits épais";
    QTest::addRow("vectors") << "Afficher le vecteur vitesse|Afficher le vecteur accélération|Afficher le vecteur poids|"
                                "Afficher la variation du vecteur vitesse|Afficher la construction";
    QTest::addRow("chronophotography")
        << "Conserver les vecteurs représentés sur la chronophotographie|"
           "Marquer uniquement les positions du centre d'inertie|Afficher les projections sur les axes";
    QTest::addRow("graphs") << "Agrandir|Menu|Afficher|tableau";
    QTest::addRow("files") << ".P20|Enregistrer|Ouvrir";
    QTest::addRow("exercises") << "Prise en main|Voir la correction|Fermer l'exercice|.E43";
    QTest::addRow("printing") << "Copier l'animation|Copier le graphe|Titre de la page :|Nombre d'exemplaires:|"
                                 "Centrer l'image horizontalement|Centrer l'image verticalement|Imprimantes";
    QTest::addRow("messages") << "Quitter vraiment Tavrel TS ?|Ce fichier ne correspond pas à cette application|"
                                 "Ecriture impossible sur disque|Lecture impossible sur disque|Erreur fatale|"
                                 "Fichier introuvable. Revoir l'installation du logiciel.|Calcul impossible";
}

void TestHelpManual::coversTheProgram()
{
    QFETCH(QString, words);
    QString all;
    for (const QString& page : pages()) {
        QTextDocument document;
        document.setHtml(read(helpDirectory().filePath(page)));
        all += document.toPlainText();
    }
    all.replace(QChar(0x00A0), QLatin1Char(' '));
    for (const QString& word : words.split(QLatin1Char('|')))
        QVERIFY2(all.contains(word), qPrintable(word));
}

TAVREL_TEST_MAIN(TestHelpManual)
#include "test_helpmanual.moc"
