#include "exercises/exercisefile.h"

#include "config/recordfile.h"
#include "ui/numberformat.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace exercises {

bool isBlank(const QString& record)
{
    return std::all_of(record.begin(), record.end(), [](QChar c) { return c == u' '; });
}

std::optional<ExerciseFile> readExerciseFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return std::nullopt;
    const qint64 size = info.size();
    bool broken = false;
    const auto record = [&](int number) -> QString {
        // A record that does not start inside the file is blank.
        if (qint64(number - 1) * config::recordLength + 2 > size)
            return {};
        const std::optional<QString> text = config::readRecord(path, number);
        if (!text)
            broken = true;
        return text.value_or(QString());
    };

    ExerciseFile file;
    file.statement = record(statementRecord);
    file.statementConfiguration = record(statementConfigurationRecord);
    file.correction = record(correctionRecord);
    file.correctionConfiguration = record(correctionConfigurationRecord);
    file.level = Val(record(levelRecord));
    for (int number = firstNotionRecord; number <= lastNotionRecord; ++number) {
        const QString line = record(number);
        if (!isBlank(line))
            file.notions.append(line);
    }
    file.title = record(titleRecord).trimmed();
    const double duration = std::nearbyint(Val(record(durationRecord)));
    file.hourglasses = int(std::clamp(duration, 0.0, double(maxHourglasses)));
    if (broken)
        return std::nullopt;
    return file;
}

QString resolveRelative(const QString& directory, const QString& name)
{
    QString relative = name.trimmed();
    relative.replace(u'\\', u'/');
    const QStringList parts = relative.split(u'/', Qt::SkipEmptyParts);
    QDir folder(directory);
    QString found = folder.absolutePath();
    bool matched = true;
    for (const QString& part : parts) {
        QString next = part;
        if (matched && !folder.exists(part)) {
            const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
            const auto same = std::find_if(entries.begin(), entries.end(), [&part](const QString& entry) {
                return entry.compare(part, Qt::CaseInsensitive) == 0;
            });
            if (same != entries.end())
                next = *same;
            else
                matched = false;
        }
        found += u'/' + next;
        // Nothing lies below a file or a missing folder.
        matched = matched && folder.cd(next);
    }
    return found;
}

} // namespace exercises
