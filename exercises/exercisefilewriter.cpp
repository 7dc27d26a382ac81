#include "exercises/exercisefilewriter.h"

#include "config/recordfile.h"
#include "ui/numberformat.h"

#include <QSaveFile>
#include <cmath>

namespace exercises {

std::optional<QByteArray> exerciseFileImage(const ExerciseFile& file)
{
    const int notionLines = lastNotionRecord - firstNotionRecord + 1;
    if (file.notions.size() > notionLines)
        return std::nullopt;
    std::vector<QString> records(durationRecord);
    records[statementRecord - 1] = file.statement;
    records[statementConfigurationRecord - 1] = file.statementConfiguration;
    records[correctionRecord - 1] = file.correction;
    records[correctionConfigurationRecord - 1] = file.correctionConfiguration;
    records[levelRecord - 1] = formatSigned(std::llround(file.level));
    for (qsizetype i = 0; i < file.notions.size(); ++i)
        records[firstNotionRecord - 1 + i] = file.notions[i];
    records[titleRecord - 1] = file.title;
    records[durationRecord - 1] = formatSigned(file.hourglasses);

    QByteArray image;
    for (const QString& text : records) {
        if (!config::fitsCp1252(text))
            return std::nullopt;
        const std::string bytes = config::toCp1252(text);
        if (bytes.size() > std::size_t(config::maxRecordTextLength))
            return std::nullopt;
        const std::string record = config::recordImage(bytes);
        image.append(record.data(), qsizetype(record.size()));
    }
    return image;
}

bool writeExerciseFile(const QString& path, const ExerciseFile& file)
{
    const std::optional<QByteArray> image = exerciseFileImage(file);
    if (!image)
        return false;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    // A flush that fails inside commit() (a full disk) would still put the
    // short file in place.
    if (out.write(*image) != image->size() || !out.flush()) {
        out.cancelWriting();
        out.commit();
        return false;
    }
    return out.commit();
}

} // namespace exercises
