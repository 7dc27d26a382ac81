#pragma once
// The projectile's 32 x 32 picture from its file, or a plain disc when the
// file is missing or unreadable, so that a flight is always visible.

#include <QColor>
#include <QImage>
#include <QString>

namespace scene {

constexpr int projectilePictureSide = 32;
inline QColor plainDiscColour() { return QColor(96, 96, 96); }

QImage projectilePicture(const QString& path);

} // namespace scene
