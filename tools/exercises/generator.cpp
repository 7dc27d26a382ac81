#include "tools/exercises/generator.h"
#include "tools/exercises/arithmetic.h"

#include "exercises/exercisefilewriter.h"
#include "exercises/rtf/rtfwriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextDocument>

namespace content {

namespace {

// The look of every text: the body in Arial, titles in the program's blue,
// headings in its orange.
const char* const styleSheet = "h1 { font-size: 14pt; color: #00307a; text-align: center; }"
                               "h2 { font-size: 11pt; color: #b06000; }"
                               "p { text-align: justify; }"
                               ".reponse { color: #006000; font-weight: bold; }";

std::optional<QString> readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

bool save(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

bool writeText(const QString& sources, const QString& source, const Exercise& exercise, const QString& target,
               QString* error)
{
    const std::optional<QString> html = readText(QDir(sources).filePath(source));
    if (!html) {
        *error = QStringLiteral("cannot read ") + source;
        return false;
    }
    QString unknown;
    const std::optional<QString> filled = fillIn(*html, exercise, &unknown);
    if (!filled) {
        *error = source + QStringLiteral(": no answer named ") + unknown;
        return false;
    }
    QString figureError;
    const std::optional<QByteArray> rtf = rtfFromHtml(*filled, exercise, &figureError);
    if (!rtf) {
        *error = source + QStringLiteral(": ") + figureError;
        return false;
    }
    if (!save(target, *rtf)) {
        *error = QStringLiteral("cannot write ") + target;
        return false;
    }
    return true;
}

} // namespace

QString sourceDirectory()
{
    return QStringLiteral(TAVREL_EXERCISE_SOURCES);
}

std::optional<QString> fillIn(const QString& html, const Exercise& exercise, QString* unknownKey)
{
    static const QRegularExpression placeholder(QStringLiteral("\\{\\{(\\w+)\\}\\}"));
    QString result;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(html)) {
        const Answer* answer = exercise.answer(match.captured(1));
        if (!answer) {
            if (unknownKey)
                *unknownKey = match.captured(1);
            return std::nullopt;
        }
        QString number = shown(*answer);
        // The HTML reader turns every space but the no-break one into a plain
        // space, except where white space is kept as written.
        if (number.contains(QChar(0x202F)))
            number = QStringLiteral("<span style=\"white-space: pre\">") + number + QStringLiteral("</span>");
        result += html.mid(from, match.capturedStart() - from) + number;
        from = match.capturedEnd();
    }
    return result + html.mid(from);
}

std::optional<QByteArray> rtfFromHtml(const QString& html, const Exercise& exercise, QString* error)
{
    QTextDocument document;
    static const QRegularExpression figureTag(QStringLiteral("<img src=\"(figure:(\\w+))\""));
    for (const QRegularExpressionMatch& match : figureTag.globalMatch(html)) {
        const Figure* figure = exercise.figure(match.captured(2));
        if (!figure) {
            *error = QStringLiteral("no figure named ") + match.captured(2);
            return std::nullopt;
        }
        const QImage picture = drawFigure(*figure);
        if (picture.isNull()) {
            *error = QStringLiteral("cannot draw the figure ") + figure->name
                + QStringLiteral(" (it needs the font DejaVu Sans, package fonts-dejavu-core)");
            return std::nullopt;
        }
        document.addResource(QTextDocument::ImageResource, QUrl(match.captured(1)), picture);
    }
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    document.setDefaultStyleSheet(QString::fromLatin1(styleSheet));
    document.setHtml(html);
    const CalculationCheck calculations = checkCalculations(withExponents(document));
    if (!calculations.wrong.isEmpty()) {
        *error = calculations.wrong.join(QStringLiteral("; "));
        return std::nullopt;
    }
    return rtf::write(document);
}

bool generate(const QString& sources, const QString& outputDirectory, QString* error)
{
    const QDir out(outputDirectory);
    for (const Exercise& e : catalogue()) {
        if (!writeText(sources, e.name + QStringLiteral("_enonce.html"), e, out.filePath(e.statementName()), error)
            || !writeText(sources, e.name + QStringLiteral("_corrige.html"), e, out.filePath(e.correctionName()),
                          error))
            return false;
        if (!config::writeConfiguration(out.filePath(e.statementSituationName()), e.statementSituation)
            || !config::writeConfiguration(out.filePath(e.correctionSituationName()), e.correctionSituation)) {
            *error = QStringLiteral("cannot write the situations of ") + e.name;
            return false;
        }
        exercises::ExerciseFile file;
        file.statement = e.statementName();
        file.statementConfiguration = e.statementSituationName();
        file.correction = e.correctionName();
        file.correctionConfiguration = e.correctionSituationName();
        file.level = e.level;
        file.notions = e.notions;
        file.title = e.title;
        file.hourglasses = e.hourglasses;
        if (!exercises::writeExerciseFile(out.filePath(e.exerciseFileName()), file)) {
            *error = QStringLiteral("cannot write ") + e.exerciseFileName();
            return false;
        }
    }
    return true;
}

} // namespace content
