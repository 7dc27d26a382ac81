// The real message boxes show their lines as written: a text of four long
// lines stays four lines, however wide they are.

#include "common/testmain.h"
#include "ui/dialogservice.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// The lines the label shows, by its height.
int shownLines(const QLabel* label)
{
    return qRound(double(label->height()) / QFontMetrics(label->font()).lineSpacing());
}

// Answers the next modal box once it is shown.
void whenShown(std::function<void(QMessageBox*)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(box);
    });
    timer->start();
}

} // namespace

class TestMessageBox : public QObject {
    Q_OBJECT
private slots:
    void linesAsWritten_data();
    void linesAsWritten();
};

void TestMessageBox::linesAsWritten_data()
{
    QTest::addColumn<bool>("question");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    const QString warning =
        QStringLiteral("Il est préférable que l'intervalle de temps qui permet de représenter les variations\n"
                       "du vecteur vitesse soit le double de la durée entre deux photographies.\n"
                       "Pour chaque photographie, la représentation sera calculée avec un intervalle\n"
                       "de temps de 600 ms.");
    QTest::newRow("Avertissement") << false << warning << 4;
    QTest::newRow("as a question") << true << warning << 4;
    QTest::newRow("short") << false << QStringLiteral("Quitter vraiment Tavrel TS ?") << 1;
}

void TestMessageBox::linesAsWritten()
{
    QFETCH(bool, question);
    QFETCH(QString, text);
    QFETCH(int, lines);
    int shown = 0;
    int labelWidth = 0;
    int widest = 0;
    whenShown([&](QMessageBox* box) {
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        shown = shownLines(label);
        labelWidth = label->width();
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = qMax(widest, QFontMetrics(label->font()).horizontalAdvance(line));
        box->accept();
    });
    if (question)
        DialogService::current().askOkCancel(nullptr, QStringLiteral("Avertissement"), text);
    else
        DialogService::current().inform(nullptr, DialogService::Icon::Information, QStringLiteral("Avertissement"),
                                        text);
    QCOMPARE(shown, lines);
    QVERIFY2(labelWidth >= widest, qPrintable(QStringLiteral("%1 < %2").arg(labelWidth).arg(widest)));
}

TAVREL_TEST_MAIN(TestMessageBox)
#include "test_messagebox.moc"
