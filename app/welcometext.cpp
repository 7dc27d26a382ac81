#include "app/welcometext.h"

#include <QTextCursor>
#include <QTextEdit>

namespace {

enum class Style { Title, Plain, Strong, Accent };

QTextCharFormat formatFor(Style style)
{
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(9);
    switch (style) {
    case Style::Title:
        format.setFontPointSize(16);
        format.setFontWeight(QFont::Bold);
        format.setForeground(QColor(0, 0, 160));
        break;
    case Style::Plain:
        break;
    case Style::Strong:
        format.setFontWeight(QFont::Bold);
        break;
    case Style::Accent:
        format.setFontWeight(QFont::Bold);
        format.setForeground(QColor(0, 0, 255));
        break;
    }
    return format;
}

} // namespace

void writeWelcomeText(QTextEdit* box)
{
    box->clear();
    QTextCursor cursor(box->document());
    QTextBlockFormat spaced;
    spaced.setBottomMargin(6);

    const auto put = [&cursor](Style style, const char* text) {
        cursor.insertText(QString::fromUtf8(text), formatFor(style));
    };
    const auto sentence = [&cursor, &spaced] { cursor.insertBlock(spaced); };

    cursor.setBlockFormat(spaced);
    put(Style::Title, "Tavrel TS");
    sentence();
    put(Style::Plain, "Cette application permet d'étudier le mouvement de différents projectiles ");
    put(Style::Plain, "par simulation directe (animation), chronophotographie ou représentation graphique (Graphes).");
    sentence();
    put(Style::Plain, "Pour ");
    put(Style::Strong, "déplacer le projectile, ");
    put(Style::Plain, "vous pouvez utiliser");
    put(Style::Strong, " la souris ");
    put(Style::Plain, "directement sur la figure. ");
    sentence();
    put(Style::Plain, "Tous les paramètres sont modifiables et l'image obtenue peut être imprimée ou placée dans le presse-papiers ");
    put(Style::Plain, "(bouton Copier) pour la coller dans une autre application.");
    sentence();
    put(Style::Plain, "Vous pouvez obtenir l'énoncé d'un exercice ");
    put(Style::Plain, "dans cette fenêtre en appuyant sur l'onglet ");
    put(Style::Accent, "Exercices");
    put(Style::Plain, ".");
    sentence();
    put(Style::Plain, "Pour vous familiariser avec ce simulateur, choisissez d'abord l'activité ");
    put(Style::Accent, "Prise en main ");
    put(Style::Plain, "dans le menu Exercices.");
    box->moveCursor(QTextCursor::Start);
}
