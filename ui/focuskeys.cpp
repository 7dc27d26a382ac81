#include "ui/focuskeys.h"

#include <QPushButton>
#include <QShortcut>

namespace {

void onKeys(QWidget* control, const QList<QKeySequence>& keys, std::function<void()> act)
{
    auto* shortcut = new QShortcut(control);
    shortcut->setKeys(keys);
    shortcut->setContext(Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, control, std::move(act));
}

} // namespace

void onEnterKey(QWidget* control, std::function<void()> act)
{
    onKeys(control, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}, std::move(act));
}

void onPressKeys(QWidget* control, std::function<void()> act)
{
    onKeys(control, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Space)},
           std::move(act));
}

void onMenuKey(QWidget* control, std::function<void()> act)
{
    onKeys(control, {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}, std::move(act));
}

void clickOnEnter(QWidget* root)
{
    for (QPushButton* button : root->findChildren<QPushButton*>())
        onEnterKey(button, [button] { button->click(); });
}
