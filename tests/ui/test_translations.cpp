#include "ui/translations.h"
#include "common/testmain.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void frenchLocale();
    void standardButtonsInFrench();
};

void TestTranslations::initTestCase()
{
    installFrenchTranslations(*qApp);
}

void TestTranslations::frenchLocale()
{
    QCOMPARE(QLocale().decimalPoint(), QString(","));
    QCOMPARE(QLocale().language(), QLocale::French);
}

void TestTranslations::standardButtonsInFrench()
{
    const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm";
    if (!QFile::exists(file))
        QSKIP("Qt's French translations are not installed");

    // The context Qt uses for the texts of its standard buttons.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Annuler"));
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString("Annuler"));
}

TAVREL_TEST_MAIN(TestTranslations)
#include "test_translations.moc"
