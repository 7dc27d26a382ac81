#pragma once
// What stands in the text for a picture the reader cannot show: a grey frame
// of the picture's size with the words saying so, so that the layout stays
// and the reader sees that something is missing, on the screen as on paper.

#include <QImage>
#include <QSize>
#include <QString>

namespace rtf {

QImage missingPictureFrame(QSize size, const QString& words);

} // namespace rtf
