// The welcome text as the window shows it: every line of it inside the box,
// none cut at the bottom, without scrolling.

#include "common/testmain.h"
#include "windowfixture.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

class TestWelcomeText : public QObject {
    Q_OBJECT
private slots:
    void wholeTextInTheBox();
    void firstSentenceIsOneParagraph();
};

void TestWelcomeText::wholeTextInTheBox()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTextEdit* box = w.ui().supertext;
    QCOMPARE(box->verticalScrollBar()->maximum(), 0);
    // The last line ends inside the visible part of the box.
    const QTextBlock last = box->document()->lastBlock();
    const QRectF lastLine = box->document()->documentLayout()->blockBoundingRect(last);
    QVERIFY2(lastLine.bottom() <= box->viewport()->height(),
             qPrintable(QStringLiteral("last line ends at %1, the box shows %2")
                            .arg(lastLine.bottom())
                            .arg(box->viewport()->height())));
}

void TestWelcomeText::firstSentenceIsOneParagraph()
{
    WindowFixture f;
    const QTextBlock first = f.w().ui().supertext->document()->firstBlock().next();
    QCOMPARE(first.text(), QStringLiteral("Cette application permet d'étudier le mouvement de différents projectiles "
                                          "par simulation directe (animation), chronophotographie ou représentation "
                                          "graphique (Graphes)."));
}

TAVREL_TEST_MAIN(TestWelcomeText)
#include "test_welcometext.moc"
