#pragma once
// What a screen reader says of each control of a window: its own text (a
// button's or a check box's, without the shortcut's "&"), else its tool tip,
// else the hint the window shows for it.

#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <utility>

// Names every named control of the window that has no accessible name yet.
// `hint`, when given, gives the hint of a control by its objectName, or a
// null string.
void nameForScreenReaders(QWidget* window, const std::function<QString(const QString&)>& hint = {});

// Names each control by its caption (UTF-8), the text drawn or written beside it.
void nameByCaptions(std::initializer_list<std::pair<QWidget*, const char*>> captions);
