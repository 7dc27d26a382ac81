#pragma once
// The main of every test program: TAVREL_TEST_MAIN(TestClass) in place of
// QTEST_MAIN (and the GUILESS and APPLESS forms). Beside what Qt's do, a warning or critical message from
// Qt fails the test function during which it comes, unless the test expects
// it with QTest::ignoreMessage (warnings only) or tolerates it: a check that
// reads outside an image, a connection to a missing signal or a painter on a
// dead surface cannot pass silently.

#include <QMutex>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <vector>

namespace testsupport {

struct MessageRules {
    QMutex mutex;
    QtMessageHandler qtest = nullptr;
    QThread* testThread = nullptr;
    // The headless platform cannot pass the size limits of a window on to a
    // window system; every test that shows a dialog meets this.
    std::vector<QRegularExpression> tolerated{
        QRegularExpression(QStringLiteral("^This plugin does not support propagateSizeHints\\(\\)$")),
        // Nor raise a pop-up menu (the scene's right-click menu) and give it the keyboard.
        QRegularExpression(QStringLiteral("^This plugin does not support (raise\\(\\)|grabbing the keyboard)$"))};

    static MessageRules& instance()
    {
        static MessageRules rules;
        return rules;
    }

    bool isTolerated(const QString& message)
    {
        const QMutexLocker lock(&mutex);
        for (const QRegularExpression& pattern : tolerated)
            if (message.contains(pattern))
                return true;
        return false;
    }
};

// Messages that come from the machine rather than from the program (no audio
// device, a platform plugin that cannot do what a real dialog asks): while
// this object lives, those matching the pattern are shown but fail nothing,
// whether they come or not.
class ToleratedMessages {
public:
    explicit ToleratedMessages(const QRegularExpression& pattern)
    {
        MessageRules& rules = MessageRules::instance();
        const QMutexLocker lock(&rules.mutex);
        rules.tolerated.push_back(pattern);
    }
    ~ToleratedMessages()
    {
        MessageRules& rules = MessageRules::instance();
        const QMutexLocker lock(&rules.mutex);
        rules.tolerated.pop_back();
    }
    ToleratedMessages(const ToleratedMessages&) = delete;
    ToleratedMessages& operator=(const ToleratedMessages&) = delete;
};

inline void failOnUnexpectedMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    MessageRules& rules = MessageRules::instance();
    // QTest's failure list belongs to the test thread; the program has no
    // other thread of its own.
    const bool counts = QThread::currentThread() == rules.testThread && !rules.isTolerated(message);
    // QTest drops a warning the test expects and fails the test on any other
    // it was told to fail on.
    if (counts && type == QtWarningMsg)
        QTest::failOnWarning(
            QRegularExpression(QRegularExpression::anchoredPattern(QRegularExpression::escape(message))));
    rules.qtest(type, context, message);
    if (counts && type == QtCriticalMsg && QTest::currentTestFunction())
        QTest::qFail(qPrintable(QStringLiteral("Received a critical message: ") + message), context.file,
                     context.line);
}

// QTest installs its own message handler in qInit; ours goes in front of it.
inline int runFailingOnMessages(QObject* test, int argc, char** argv)
{
    QTest::qInit(test, argc, argv);
    MessageRules& rules = MessageRules::instance();
    rules.testThread = QThread::currentThread();
    rules.qtest = qInstallMessageHandler(failOnUnexpectedMessage);
    const int failures = QTest::qRun();
    qInstallMessageHandler(rules.qtest);
    QTest::qCleanup();
    return failures;
}

} // namespace testsupport

#define TAVREL_TEST_MAIN_WRAPPER(TestObject, ...) \
    int main(int argc, char* argv[]) \
    { \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>(); \
        __VA_ARGS__ \
        TestObject test; \
        QTEST_SET_MAIN_SOURCE_PATH \
        return testsupport::runFailingOnMessages(&test, argc, argv); \
    }

#define TAVREL_TEST_MAIN(TestObject) TAVREL_TEST_MAIN_WRAPPER(TestObject, QTEST_MAIN_SETUP())
#define TAVREL_TEST_GUILESS_MAIN(TestObject) TAVREL_TEST_MAIN_WRAPPER(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
#define TAVREL_TEST_APPLESS_MAIN(TestObject) TAVREL_TEST_MAIN_WRAPPER(TestObject)
