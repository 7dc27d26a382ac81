#include "app/helpwindow.h"
#include "common/testmain.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

QString helpDirectory() { return QStringLiteral(TAVREL_APP_DIR "help"); }

template <typename Widget>
Widget* child(QWidget& parent, const char* name)
{
    auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT
private slots:
    void opensAtTheContents();
    void contentsListsEveryPage();
    void contentsOpensPages();
    void backAndForward();
    void linksAndAnchors();
    void picturesShow();
    void search_data();
    void search();
    void searchMarksTheWords();
    void searchFindsNothing();
};

void TestHelpWindow::opensAtTheContents()
{
    HelpWindow window(helpDirectory());
    QCOMPARE(window.objectName(), QString("aide"));
    QCOMPARE(window.currentPage(), QString("index.html"));
    QCOMPARE(window.windowTitle(), QString("Aide de Tavrel TS – Sommaire"));
    QVERIFY(window.browser()->toPlainText().contains(QStringLiteral("Aide de Tavrel TS")));
    QVERIFY(!child<QPushButton>(window, "back")->isEnabled());
    QVERIFY(!child<QPushButton>(window, "forward")->isEnabled());
}

void TestHelpWindow::contentsListsEveryPage()
{
    HelpWindow window(helpDirectory());
    auto* contents = child<QListWidget>(window, "contents");
    const QStringList files = QDir(helpDirectory()).entryList({QStringLiteral("*.html")}, QDir::Files);
    QCOMPARE(contents->count(), files.size());
    QCOMPARE(contents->item(0)->text(), QString("Sommaire"));
    QCOMPARE(contents->item(1)->text(), QString("Démarrer avec Tavrel TS"));
    QCOMPARE(contents->currentRow(), 0);
}

void TestHelpWindow::contentsOpensPages()
{
    HelpWindow window(helpDirectory());
    auto* contents = child<QListWidget>(window, "contents");
    for (int row = 1; row < contents->count(); ++row) {
        QListWidgetItem* item = contents->item(row);
        emit contents->itemClicked(item);
        QCOMPARE(window.currentPage(), item->data(Qt::UserRole).toString());
        QCOMPARE(window.browser()->documentTitle(), item->text());
        QCOMPARE(window.windowTitle(), QStringLiteral("Aide de Tavrel TS – %1").arg(item->text()));
        QCOMPARE(contents->currentRow(), row);
    }
}

void TestHelpWindow::backAndForward()
{
    HelpWindow window(helpDirectory());
    auto* back = child<QPushButton>(window, "back");
    auto* forward = child<QPushButton>(window, "forward");
    window.showPage(QStringLiteral("parametres.html"));
    window.showPage(QStringLiteral("vecteurs.html"));
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());

    back->click();
    QCOMPARE(window.currentPage(), QString("parametres.html"));
    QVERIFY(forward->isEnabled());
    back->click();
    QCOMPARE(window.currentPage(), QString("index.html"));
    QVERIFY(!back->isEnabled());
    forward->click();
    forward->click();
    QCOMPARE(window.currentPage(), QString("vecteurs.html"));
    QVERIFY(!forward->isEnabled());

    child<QPushButton>(window, "home")->click();
    QCOMPARE(window.currentPage(), QString("index.html"));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(window.currentPage(), QString("vecteurs.html"));
    QTest::keyClick(&window, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(window.currentPage(), QString("index.html"));
}

void TestHelpWindow::linksAndAnchors()
{
    HelpWindow window(helpDirectory());
    window.showPage(QStringLiteral("animation.html#rebonds"));
    QCOMPARE(window.currentPage(), QString("animation.html"));
    QCOMPARE(window.browser()->source().fragment(), QString("rebonds"));
    // A click on a link of the page follows it.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.showPage(QStringLiteral("demarrer.html"));
    QTextBrowser* browser = window.browser();
    QTextCursor link;
    for (QTextBlock block = browser->document()->begin(); block.isValid() && link.isNull(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (fragment.fragment().charFormat().anchorHref() == QLatin1String("exercices.html")) {
                link = QTextCursor(browser->document());
                link.setPosition(fragment.fragment().position() + 1);
                break;
            }
    QVERIFY(!link.isNull());
    browser->setTextCursor(link);
    browser->ensureCursorVisible();
    const QPoint spot = browser->cursorRect(link).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, spot);
    QCOMPARE(window.currentPage(), QString("exercices.html"));
}

void TestHelpWindow::picturesShow()
{
    HelpWindow window(helpDirectory());
    window.showPage(QStringLiteral("demarrer.html"));
    const QUrl picture = window.browser()->source().resolved(QUrl(QStringLiteral("images/fenetre.png")));
    const QVariant loaded = window.browser()->loadResource(QTextDocument::ImageResource, picture);
    QVERIFY(loaded.isValid());
    QImage image;
    if (loaded.canConvert<QImage>())
        image = loaded.value<QImage>();
    else
        image.loadFromData(loaded.toByteArray());
    QVERIFY(!image.isNull());
}

void TestHelpWindow::search_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("first");
    QTest::addRow("accents ignored") << "REBONDS" << "animation.html";
    QTest::addRow("without accents") << "energie mecanique" << "graphe.html";
    QTest::addRow("two words anywhere") << "exemplaires centrer" << "imprimer.html";
    QTest::addRow("a message") << "Ecriture impossible" << "messages.html";
}

void TestHelpWindow::search()
{
    QFETCH(QString, words);
    QFETCH(QString, first);
    HelpWindow window(helpDirectory());
    auto* box = child<QLineEdit>(window, "searchBox");
    box->setText(words);
    QTest::keyClick(box, Qt::Key_Return);
    const QStringList results = window.searchResults();
    QVERIFY2(!results.isEmpty(), qPrintable(words));
    QCOMPARE(results.first(), first);
    QCOMPARE(window.currentPage(), first);
    QVERIFY(child<QListWidget>(window, "results")->isVisibleTo(&window));
}

void TestHelpWindow::searchMarksTheWords()
{
    HelpWindow window(helpDirectory());
    window.search(QStringLiteral("chronophotographie"));
    const QList<QTextEdit::ExtraSelection> marks = window.browser()->extraSelections();
    QVERIFY(!marks.isEmpty());
    for (const QTextEdit::ExtraSelection& mark : marks)
        QCOMPARE(mark.cursor.selectedText().toLower(), QString("chronophotographie"));
    // Back to the contents, the marks go.
    emit child<QListWidget>(window, "contents")->itemClicked(child<QListWidget>(window, "contents")->item(0));
    QVERIFY(window.browser()->extraSelections().isEmpty());
}

void TestHelpWindow::searchFindsNothing()
{
    HelpWindow window(helpDirectory());
    window.search(QStringLiteral("xylophone"));
    QVERIFY(window.searchResults().isEmpty());
    QCOMPARE(child<QLabel>(window, "resultsTitle")->text(), QString("Aucune page ne contient « xylophone »."));
    QCOMPARE(window.currentPage(), QString("index.html"));
    window.search(QStringLiteral("   "));
    QVERIFY(window.searchResults().isEmpty());
}

TAVREL_TEST_MAIN(TestHelpWindow)
#include "test_helpwindow.moc"
