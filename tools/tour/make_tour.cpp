// Makes the getting-started activity "TAVREL.PEM" and the sample exercises
// beside the program: their statements and corrections in RTF, with
// pictures of the real window (those of the manual, and the exercise menu,
// chooser and correction taken here), their situations saved by the window
// itself, and their exercise files.
//
//   xvfb-run -a make_tour <built application directory> data

#include "tools/tour/statement.h"

#include "app/feuillep.h"
#include "config/recordfile.h"
#include "exercises/fichexo.h"
#include "tools/windowshot/windowshot.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>
#include <cstdio>

namespace {

using windowshot::fail;
using windowshot::wait;

class Maker {
public:
    Maker(const windowshot::Driver& user, ScriptedDialogs& dialogs, QString applicationDirectory,
          QString dataDirectory)
        : m_user(user), m_dialogs(dialogs), m_application(std::move(applicationDirectory)),
          m_data(std::move(dataDirectory))
    {
    }

    QImage manualPicture(const char* name) const
    {
        const QImage picture(QDir(m_application).filePath(QStringLiteral("help/images/") + QLatin1String(name)));
        if (picture.isNull())
            fail(QStringLiteral("no picture %1 in the manual").arg(QLatin1String(name)));
        return picture;
    }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QSaveFile file(QDir(m_data).filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            fail(QStringLiteral("cannot write %1").arg(name));
        std::printf("%s %lld bytes\n", qPrintable(name), qint64(bytes.size()));
    }

    void writeExercise(const QString& name, const std::vector<QString>& records) const
    {
        const QString path = QDir(m_data).filePath(name);
        QFile::remove(path);
        if (!config::writeRecords(path, 1, records))
            fail(QStringLiteral("cannot write %1").arg(name));
        std::printf("%s\n", qPrintable(name));
    }

    QString dataPath(const QString& name) const { return QDir(m_data).filePath(name); }

    // The situation on screen, saved by the window's own "Enregistrer".
    void saveSituation(const QString& name) const
    {
        m_dialogs.queueFile(dataPath(name));
        window().ui().Command11->click();
        if (!QFileInfo::exists(dataPath(name)))
            fail(QStringLiteral("the window did not save %1").arg(name));
        std::printf("%s\n", qPrintable(name));
    }
    FeuilleP& window() const { return m_user.window(); }

private:
    const windowshot::Driver& m_user;
    ScriptedDialogs& m_dialogs;
    QString m_application;
    QString m_data;
};

// The exercise menu as the button pops it up, over the window.
QImage exerciseMenuPicture(Maker& maker)
{
    FeuilleP& window = maker.window();
    window.ui().btexo->click();
    auto* menu = window.findChild<QMenu*>(QStringLiteral("optionexo"));
    if (!menu)
        fail(QStringLiteral("no exercise menu"));
    wait(200);
    const QImage picture = menu->grab().toImage();
    menu->hide();
    return picture;
}

// The chooser on the sample exercises, one of them selected.
QImage chooserPicture(Maker& maker, const QString& exercise)
{
    exercises::Fichexo chooser(&maker.window(), maker.dataPath(QString()), {});
    chooser.show();
    const auto items = chooser.ui().File1->findItems(exercise, Qt::MatchFixedString);
    if (items.isEmpty())
        fail(QStringLiteral("no %1 in the chooser").arg(exercise));
    chooser.ui().File1->setCurrentItem(items.front());
    wait(200);
    return chooser.grab().toImage();
}

void gettingStarted(Maker& maker)
{
    const QString nbsp(QChar(0x00A0));
    const auto quoted = [&nbsp](const QString& words) { return QStringLiteral("«") + nbsp + words + nbsp + QStringLiteral("»"); };
    Statement text;
    text.title(QStringLiteral("Prise en main de Tavrel TS"));
    text.paragraph(QStringLiteral("Cette activité vous fait découvrir le simulateur pas à pas. Chaque étape se fait "
                                  "dans la fenêtre principale ; ce texte reste affiché ici pendant ce temps. "
                                  "La situation de départ vient d'être chargée : sur la **Terre**, un **ballon "
                                  "(450 g)** posé à l'origine, lancé à **10 m·s^−1^** sous un angle de **80°**."));

    text.heading(QStringLiteral("1. Un premier lancer"));
    text.paragraph(QStringLiteral("Sous la scène, cliquez sur le bouton **Simulation** (le triangle) : le ballon "
                                  "part, retombe et rebondit de moins en moins haut. La date et les coordonnées du "
                                  "projectile s'affichent à côté des boutons. **Pause** fige l'animation ; un "
                                  "nouvel appui la fait avancer d'un pas. **Stop** arrête le lancer et "
                                  "**Retrouver la position initiale** remet le ballon au départ."));
    text.picture(maker.manualPicture("controles.png"), 330);
    text.paragraph(QStringLiteral("La trajectoire reste tracée sur la scène, avec le repère. À la fin du mouvement, "
                                  "la case ")
                   + quoted(QStringLiteral("Marquer la trajectoire"))
                   + QStringLiteral(" de l'onglet **Affichage** se décoche : cochez-la de nouveau avant de relancer "
                                    "pour tracer la trajectoire suivante."));
    text.picture(maker.manualPicture("fenetre.png"), 330);

    text.heading(QStringLiteral("2. Les onglets"));
    text.paragraph(QStringLiteral("À droite de la scène, cinq onglets rassemblent les réglages : **Paramètres**, "
                                  "**Affichage**, **Vecteurs**, **Chronophotographie** et **Graphes**. Cliquez sur "
                                  "le nom d'un onglet pour l'ouvrir ; la ligne d'aide, dessous, décrit ce que "
                                  "survole la souris."));
    text.paragraph(QStringLiteral("Dans **Paramètres**, choisissez le lieu (Terre, Lune ou Mars), le projectile, "
                                  "puis tapez x0, y0, v0 et l'angle α. Validez par la touche Entrée : une valeur "
                                  "hors des limites est ramenée à la plus proche permise. Essayez par exemple, sur "
                                  "la Lune, v0 = 3 et α = 75, puis relancez : le ballon monte à plus de 2,5 m, "
                                  "quand le même lancer sur la Terre ne le monte pas à 0,5 m."));
    text.picture(maker.manualPicture("parametres.png"), 300);

    text.heading(QStringLiteral("3. Les vecteurs"));
    text.paragraph(QStringLiteral("L'onglet **Vecteurs** dessine sur le projectile en mouvement le vecteur vitesse, "
                                  "sa variation (avec sa construction), l'accélération et le poids. Les curseurs "
                                  "règlent leurs échelles, même pendant le mouvement. Observez que l'accélération "
                                  "garde la même direction et la même longueur tout au long du vol."));
    text.picture(maker.manualPicture("vecteurs.png"), 300);

    text.heading(QStringLiteral("4. La chronophotographie"));
    text.paragraph(QStringLiteral("L'onglet **Chronophotographie** laisse sur la scène une image du projectile à "
                                  "intervalle régulier, de 10 à 5 000 ms. Réglez l'intervalle, appuyez sur la "
                                  "**caméra**, puis lancez. Cochez ")
                   + quoted(QStringLiteral("Marquer uniquement les positions du centre d'inertie"))
                   + QStringLiteral(" pour ne garder qu'un point, ou ajoutez les projections sur les axes."));
    text.picture(maker.manualPicture("chronoscene.png"), 250);

    text.heading(QStringLiteral("5. Les graphes"));
    text.paragraph(QStringLiteral("Pendant le lancer, l'onglet **Graphes** trace en direct x(t), y(t), les "
                                  "vitesses ou les énergies ; le bouton **Menu** de l'onglet choisit les courbes. "
                                  "Le bouton **Graphes** du haut ouvre la fenêtre des courbes complètes, avec un "
                                  "pointeur et le tableau des valeurs."));
    text.picture(maker.manualPicture("graphe.png"), 300);

    text.heading(QStringLiteral("6. Enregistrer une situation"));
    text.paragraph(QStringLiteral("Le bouton **Enregistrer** garde toute la situation dans un fichier « .P20 » : "
                                  "lieu, projectile, conditions initiales, échelles, options et couleurs. Le bouton "
                                  "**Ouvrir** la retrouve telle quelle, par exemple pour la montrer à la classe. "
                                  "**Copier** et **Imprimer** emportent l'image de la scène ou du graphe."));

    text.heading(QStringLiteral("7. Les exercices"));
    text.paragraph(QStringLiteral("Le bouton **Exercices** ouvre ce menu. ") + quoted(QStringLiteral("Ouvrir un exercice"))
                   + QStringLiteral(" présente les exercices avec leur niveau de difficulté, les notions abordées et "
                                    "leur durée ; l'énoncé s'affiche ici et la situation de l'exercice se charge "
                                    "dans le simulateur."));
    text.picture(exerciseMenuPicture(maker), 260);
    text.picture(chooserPicture(maker, QStringLiteral("portee.E43")), 330);
    text.paragraph(QStringLiteral("Vous pouvez écrire vos réponses dans l'énoncé, puis les garder par ")
                   + quoted(QStringLiteral("Enregistrer le contenu de la fenêtre exercice"))
                   + QStringLiteral(" et les retrouver plus tard par ") + quoted(QStringLiteral("Retrouver un texte"))
                   + QStringLiteral(". ") + quoted(QStringLiteral("Voir la correction"))
                   + QStringLiteral(" affiche le corrigé, en lecture seule sur fond crème, avec la situation qui "
                                    "le montre."));

    text.heading(QStringLiteral("À vous !"));
    text.paragraph(QStringLiteral("Ouvrez l'exercice **La portée d'un tir de pétanque** pour commencer, ou fermez "
                                  "cette activité par ")
                   + quoted(QStringLiteral("Fermer l'exercice")) + QStringLiteral("."));

    maker.write(QStringLiteral("priseenmain.rtf"), text.rtf());
    maker.writeExercise(QStringLiteral("TAVREL.PEM"),
                        {QStringLiteral("priseenmain.rtf"), QStringLiteral("priseenmain.P20"), QString(), QString(),
                         QStringLiteral(" 0"), QString(), QStringLiteral("Les commandes du simulateur"),
                         QStringLiteral("Animation, chronophotographie, graphes"), QString(), QString(),
                         QStringLiteral("Prise en main de Tavrel TS"), QStringLiteral(" 1")});
}

} // namespace

namespace {

void rangeExercise(Maker& maker)
{
    Statement statement;
    statement.title(QStringLiteral("La portée d'un tir de pétanque"));
    statement.paragraph(QStringLiteral("Un joueur lance une **boule de pétanque (800 g)** sur la Terre "
                                       "(g = 9,80 N·kg^−1^). Elle quitte sa main à **1,00 m** du sol, avec une "
                                       "vitesse de **7,00 m·s^−1^** qui fait un angle de **45°** avec l'horizontale. "
                                       "On néglige l'action de l'air."));
    statement.heading(QStringLiteral("Questions"));
    statement.paragraph(QStringLiteral("1. Établir les équations horaires x(t) et y(t) du centre d'inertie de la boule."));
    statement.paragraph(QStringLiteral("2. En déduire l'équation de la trajectoire y(x)."));
    statement.paragraph(QStringLiteral("3. Calculer la hauteur maximale atteinte et la distance à laquelle la boule "
                                       "touche le sol (sa portée)."));
    statement.paragraph(QStringLiteral("4. Vérifier avec le simulateur : lancez la boule. À l'arrivée au sol, "
                                       "l'abscisse affichée sous la scène est la portée ; la fenêtre des graphes "
                                       "donne x(t) et y(t)."));
    statement.paragraph(QStringLiteral("Écrivez vos réponses ci-dessous, puis enregistrez ce texte."));
    statement.paragraph(QString());
    maker.write(QStringLiteral("portee_enonce.rtf"), statement.rtf());

    Statement correction;
    correction.title(QStringLiteral("Correction : la portée d'un tir de pétanque"));
    correction.paragraph(QStringLiteral("**1.** La boule n'est soumise qu'à son poids : son accélération est le "
                                        "champ de pesanteur, vertical vers le bas, de valeur g. Avec v0 = 7,00 m·s^−1^ "
                                        "et α = 45°, v0·cos α = v0·sin α = 4,95 m·s^−1^ :"));
    correction.paragraph(QStringLiteral("x(t) = 4,95 t        y(t) = −4,90 t² + 4,95 t + 1,00"));
    correction.paragraph(QStringLiteral("**2.** En éliminant t : y = −g x² / (2 v0² cos² α) + x tan α + y0, soit "
                                        "**y = −0,200 x² + x + 1,00** (x et y en mètres)."));
    correction.paragraph(
        QStringLiteral("**3.** Le sommet est atteint pour x = 1 / (2 × 0,200) = 2,50 m : la hauteur "
                       "maximale vaut y(2,50) = −0,200 × 2,50² + 2,50 + 1,00 = **2,25 m**. La boule touche le "
                       "sol quand y = 0, soit −0,200 x² + x + 1,00 = 0, dont la racine positive est "
                       "x = (1 + √(1 + 4 × 0,200 × 1,00)) / (2 × 0,200) = **5,85 m** : c'est la "
                       "portée, atteinte au bout de 5,85 / 4,95 = 1,18 s."));
    correction.paragraph(QStringLiteral("**4.** La situation de la correction trace la trajectoire avec le vecteur "
                                        "vitesse ; lancée par le bouton de la chronophotographie (la caméra), elle "
                                        "laisse aussi une image de la boule toutes les 100 ms. À l'arrivée au sol, "
                                        "l'abscisse affichée sous la scène est la portée, 5,85 m."));
    maker.write(QStringLiteral("portee_corrige.rtf"), correction.rtf());

    maker.writeExercise(QStringLiteral("portee.E43"),
                        {QStringLiteral("portee_enonce.rtf"), QStringLiteral("portee.P20"),
                         QStringLiteral("portee_corrige.rtf"), QStringLiteral("portee_corrige.P20"), QStringLiteral(" 2"),
                         QString(), QStringLiteral("Équations horaires"), QStringLiteral("Équation de la trajectoire"),
                         QStringLiteral("Hauteur maximale et portée"), QString(),
                         QStringLiteral("La portée d'un tir de pétanque"), QStringLiteral(" 2")});
}

void moonExercise(Maker& maker)
{
    Statement statement;
    statement.title(QStringLiteral("Un lancer sur la Lune"));
    statement.paragraph(QStringLiteral("Sur la **Lune**, le champ de pesanteur vaut g = 1,62 N·kg^−1^, six fois "
                                       "moins que sur la Terre. Un astronaute lance une **boule de pétanque (800 g)** "
                                       "depuis le sol à **3,50 m·s^−1^** sous un angle de **45°**."));
    statement.heading(QStringLiteral("Questions"));
    statement.paragraph(QStringLiteral("1. Lancez la boule et relevez sa portée et la durée de son vol : à l'arrivée "
                                       "au sol, la date et l'abscisse affichées sous la scène sont celles de "
                                       "l'impact."));
    statement.paragraph(QStringLiteral("2. Choisissez la Terre dans l'onglet Paramètres et recommencez. Comparez les "
                                       "portées, puis les durées des vols."));
    statement.paragraph(QStringLiteral("3. Comment la portée dépend-elle de g ? Vérifiez avec Mars "
                                       "(g = 3,71 N·kg^−1^)."));
    statement.paragraph(QString());
    maker.write(QStringLiteral("lune_enonce.rtf"), statement.rtf());
    maker.writeExercise(QStringLiteral("lune.E43"),
                        {QStringLiteral("lune_enonce.rtf"), QStringLiteral("lune.P20"), QString(), QString(),
                         QStringLiteral(" 1"), QString(), QStringLiteral("Champ de pesanteur"),
                         QStringLiteral("Comparaison Terre, Lune et Mars"), QString(), QString(),
                         QStringLiteral("Un lancer sur la Lune"), QStringLiteral(" 1")});
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const windowshot::Arguments given = windowshot::arguments(argc, argv, "data directory");
    windowshot::Session session(given.application);
    FeuilleP window;
    const windowshot::Driver user(window);
    Maker maker(user, session.dialogs(), given.application, given.output);

    // The situations, each from the one before. The start-up throw leaves the
    // scene at its first bounce: the activity's ball is thrown higher and
    // slower, and bounces five times inside it.
    user.enter("Text3", QStringLiteral("10,00"));
    user.enter("Text4", QStringLiteral("80,00"));
    user.tick("Check8");
    maker.saveSituation(QStringLiteral("priseenmain.P20"));
    user.choose("Combo2", 3);
    user.enter("Text2", QStringLiteral("1,00"));
    user.enter("Text3", QStringLiteral("7,00"));
    user.enter("Text4", QStringLiteral("45,00"));
    maker.saveSituation(QStringLiteral("portee.P20"));
    user.tick("Check5");
    user.enter("chrono", QStringLiteral("100"));
    maker.saveSituation(QStringLiteral("portee_corrige.P20"));
    user.tick("Check5", false);
    user.choose("Combo1", 1);
    user.enter("Text2", QStringLiteral("0,00"));
    user.enter("Text3", QStringLiteral("3,50"));
    user.enter("Text4", QStringLiteral("45,00"));
    user.enter("chrono", QStringLiteral("200"));
    maker.saveSituation(QStringLiteral("lune.P20"));

    rangeExercise(maker);
    moonExercise(maker);
    gettingStarted(maker);
    return 0;
}
