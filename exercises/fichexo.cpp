#include "exercises/fichexo.h"

#include "exercises/exercisefile.h"
#include "exercises/exercisemessages.h"
#include "ui/accessiblenames.h"
#include "ui/focuskeys.h"
#include "ui/keyboardtoolbutton.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <cmath>

namespace exercises {

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name, QRect geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QString withSlash(QString directory)
{
    if (!directory.endsWith(u'/'))
        directory += u'/';
    return directory;
}

// The difficulty star, lit (`Imagalu`) or dark (`Imagenoir`).
QPixmap star(bool lit)
{
    QPixmap picture(26, 26);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 12.0 : 5.0;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(13 + radius * std::cos(angle), 13.5 + radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    painter.setPen(QPen(lit ? QColor(170, 90, 0) : QColor(70, 70, 70), 1.2));
    painter.setBrush(lit ? QColor(255, 200, 20) : QColor(120, 120, 120));
    painter.drawPath(path);
    return picture;
}

// n hourglasses side by side: the estimated duration of the exercise.
QPixmap hourglasses(int count)
{
    constexpr int step = 20;
    QPixmap picture(std::max(count, 1) * step, 24);
    picture.fill(Qt::transparent);
    if (count <= 0)
        return picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < count; ++i) {
        const double left = i * step + 3;
        painter.setPen(QPen(QColor(90, 60, 20), 1.2));
        painter.setBrush(QColor(230, 240, 250));
        const QPolygonF glass({QPointF(left, 3), QPointF(left + 13, 3), QPointF(left + 6.5, 12),
                               QPointF(left + 13, 21), QPointF(left, 21), QPointF(left + 6.5, 12)});
        painter.drawPolygon(glass);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(225, 160, 40));
        painter.drawPolygon(QPolygonF({QPointF(left + 3, 6.5), QPointF(left + 10, 6.5), QPointF(left + 6.5, 11)}));
        painter.drawPolygon(QPolygonF({QPointF(left + 6.5, 15), QPointF(left + 11, 20), QPointF(left + 2, 20)}));
        painter.setBrush(QColor(120, 75, 25));
        painter.drawRoundedRect(QRectF(left - 2, 1, 17, 2.5), 1, 1);
        painter.drawRoundedRect(QRectF(left - 2, 20.5, 17, 2.5), 1, 1);
    }
    return picture;
}

QToolButton* imageButton(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap icon,
                         const QString& tip, QRect geometry)
{
    auto* button = named(new KeyboardToolButton(parent), name, geometry);
    button->setText(caption);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setIconSize(QSize(24, 24));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setToolTip(tip);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

QString Fichexo::correctedCaption()
{
    return QStringLiteral("Exercice corrigé");
}

Fichexo::Fichexo(QWidget* parent, const QString& startDirectory, Opener open)
    : QDialog(parent), m_open(std::move(open))
{
    createControls();
    fillDrives();
    setDirectory(startDirectory);
}

void Fichexo::createControls()
{
    setObjectName(QStringLiteral("Fichexo"));
    setWindowTitle(QStringLiteral("Exercices"));
    setModal(true);
    setFixedSize(660, 430);

    // The painted header.
    m_ui.tito = named(new QLabel(QStringLiteral("Ouvrir un exercice"), this), "tito", QRect(0, 0, 660, 44));
    m_ui.tito->setAlignment(Qt::AlignCenter);
    m_ui.tito->setStyleSheet(QStringLiteral(
        "QLabel { color: white; font: bold 15pt 'Arial';"
        " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #00307a, stop:1 #3c7cd0); }"));

    m_ui.Drive1 = named(new QComboBox(this), "Drive1", QRect(10, 54, 260, 26));
    m_ui.Dir1 = named(new QTreeView(this), "Dir1", QRect(10, 86, 260, 170));
    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders->setRootPath(QDir::rootPath());
    m_ui.Dir1->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_ui.Dir1->hideColumn(column);
    m_ui.Dir1->header()->hide();
    m_ui.File1 = named(new QListWidget(this), "File1", QRect(10, 262, 260, 158));

    m_ui.fichierexo = named(new QLineEdit(this), "fichierexo", QRect(0, 0, 10, 10));
    m_ui.fichierexo->hide();

    createPreview();

    m_ui.ouvreur = imageButton(this, "ouvreur", QStringLiteral("Ouvrir"), QStyle::SP_DialogOpenButton,
                               QStringLiteral("Ouvrir l'exercice sélectionné"), QRect(400, 380, 120, 38));
    m_ui.Image5 = imageButton(this, "Image5", QStringLiteral("Fermer"), QStyle::SP_DialogCloseButton,
                              QStringLiteral("Fermer sans charger d'exercice"), QRect(530, 380, 120, 38));

    // The waiting frame, over the preview while an exercise loads.
    m_ui.Frame2 = named(new QFrame(this), "Frame2", QRect(330, 170, 260, 80));
    m_ui.Frame2->setFrameStyle(QFrame::Box | QFrame::Raised);
    m_ui.Frame2->setLineWidth(2);
    m_ui.Frame2->setAutoFillBackground(true);
    m_ui.Frame2->setStyleSheet(QStringLiteral("QFrame#Frame2 { background: #fffbe0; }"));
    auto* waiting = named(new QLabel(QStringLiteral("Patienter quelques instants"), m_ui.Frame2), "Label5",
                          QRect(6, 12, 248, 24));
    waiting->setAlignment(Qt::AlignCenter);
    waiting->setStyleSheet(QStringLiteral("font: bold 11pt 'Arial';"));
    auto* loading = named(new QLabel(QStringLiteral(" Chargement des fichiers"), m_ui.Frame2), "Label6",
                          QRect(6, 42, 248, 22));
    loading->setAlignment(Qt::AlignCenter);
    m_ui.Frame2->hide();

    // The folders are read and sorted in the background, pushing the current
    // one down: the tree brings it back into sight until the user moves in it.
    const auto follow = [this] {
        if (m_followCurrent)
            QTimer::singleShot(0, m_ui.Dir1, [this] { m_ui.Dir1->scrollTo(m_ui.Dir1->currentIndex()); });
    };
    connect(m_folders, &QFileSystemModel::rowsInserted, this, follow);
    connect(m_folders, &QFileSystemModel::layoutChanged, this, follow);
    connect(m_ui.Dir1->verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { m_followCurrent = false; });
    connect(m_ui.Dir1, &QTreeView::pressed, this, [this] { m_followCurrent = false; });
    connect(m_ui.Drive1, &QComboBox::activated, this,
            [this](int index) { setDirectory(m_ui.Drive1->itemData(index).toString()); });
    connect(m_ui.Dir1, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { setDirectory(m_folders->filePath(index)); });
    connect(m_ui.File1, &QListWidget::currentRowChanged, this, [this] { File1_Click(); });
    connect(m_ui.File1, &QListWidget::itemDoubleClicked, this, [this] { ouvreur_Click(); });
    connect(m_ui.ouvreur, &QToolButton::clicked, this, [this] { ouvreur_Click(); });
    connect(m_ui.Image5, &QToolButton::clicked, this, [this] { Image5_Click(); });
    connectKeyboard();
}

// The lists by the arrows and Enter: Enter on a folder shows its exercises,
// on an exercise opens it.
void Fichexo::connectKeyboard()
{
    onEnterKey(m_ui.Dir1, [this] {
        if (m_ui.Dir1->currentIndex().isValid())
            setDirectory(m_folders->filePath(m_ui.Dir1->currentIndex()));
    });
    onEnterKey(m_ui.File1, [this] { ouvreur_Click(); });
    nameByCaptions({
        {m_ui.Drive1, "Emplacement"},
        {m_ui.Dir1, "Dossiers"},
        {m_ui.File1, "Exercices"},
        {m_ui.Text1, "Notions abordées"},
    });
    nameForScreenReaders(this);
}

void Fichexo::createPreview()
{
    auto* preview = named(new QFrame(this), "Frame1", QRect(280, 54, 370, 318));
    preview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    preview->setAutoFillBackground(true);
    preview->setStyleSheet(QStringLiteral("QFrame#Frame1 { background: #f7f4ee; }"));

    m_ui.intratro = named(new QLabel(QStringLiteral("Sélectionner un fichier"), preview), "intratro",
                          QRect(10, 130, 350, 40));
    m_ui.intratro->setAlignment(Qt::AlignCenter);
    m_ui.intratro->setStyleSheet(QStringLiteral("color: #707070; font: italic 12pt 'Arial';"));

    m_ui.titratexo = named(new QLabel(preview), "titratexo", QRect(10, 8, 350, 44));
    m_ui.titratexo->setWordWrap(true);
    m_ui.titratexo->setAlignment(Qt::AlignCenter);
    m_ui.titratexo->setStyleSheet(QStringLiteral("color: #00307a; font: bold 12pt 'Arial';"));

    m_ui.Label4 = named(new QLabel(QStringLiteral("Niveau de difficulté :"), preview), "Label4",
                        QRect(10, 62, 160, 26));
    for (int i = 0; i < 3; ++i) {
        m_ui.Image4[std::size_t(i)] = named(new QLabel(preview), "", QRect(176 + 30 * i, 62, 26, 26));
        m_ui.Image4[std::size_t(i)]->setObjectName(QStringLiteral("Image4_%1").arg(i));
    }

    m_ui.Label1 = named(new QLabel(QStringLiteral("Notions abordées :"), preview), "Label1", QRect(10, 98, 200, 22));
    m_ui.Text1 = named(new QPlainTextEdit(preview), "Text1", QRect(10, 122, 350, 96));
    m_ui.Text1->setReadOnly(true);
    m_ui.Text1->setFrameStyle(QFrame::NoFrame);
    m_ui.Text1->setStyleSheet(QStringLiteral("background: transparent; font: 10pt 'Arial';"));

    m_ui.durationCaption =
        named(new QLabel(QStringLiteral("Durée :"), preview), "durationCaption", QRect(10, 228, 70, 26));
    m_ui.Text2 = named(new QLabel(preview), "Text2", QRect(80, 228, 280, 26));
    m_ui.Text2->setToolTip(QStringLiteral("Durée indicative"));

    // The status is written twice, a shadow under the caption.
    m_ui.Label3 = named(new QLabel(preview), "Label3", QRect(11, 275, 350, 30));
    m_ui.Label2 = named(new QLabel(preview), "Label2", QRect(10, 274, 350, 30));
    for (QLabel* status : {m_ui.Label3, m_ui.Label2})
        status->setAlignment(Qt::AlignCenter);
    m_ui.Label3->setStyleSheet(QStringLiteral("color: #b0a890; font: bold 13pt 'Arial';"));
    m_ui.Label2->setStyleSheet(QStringLiteral("color: #006000; font: bold 13pt 'Arial';"));

    m_ui.Label4->hide();
    showDescription(false);
    for (QLabel* image : m_ui.Image4)
        image->hide();
}

void Fichexo::showDescription(bool shown)
{
    for (QWidget* widget : std::initializer_list<QWidget*>{m_ui.titratexo, m_ui.Label1, m_ui.Text1,
                                                           m_ui.durationCaption, m_ui.Text2, m_ui.Label2, m_ui.Label3})
        widget->setVisible(shown);
}

void Fichexo::fillDrives()
{
    m_ui.Drive1->addItem(QStringLiteral("Dossier du logiciel"), QString());
    m_ui.Drive1->addItem(QStringLiteral("Dossier personnel"), QDir::homePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !volume.isReadOnly() && m_ui.Drive1->count() < 12)
            m_ui.Drive1->addItem(volume.rootPath(), volume.rootPath());
}

void Fichexo::setDirectory(const QString& directory)
{
    if (m_ui.Drive1->itemData(0).toString().isEmpty())
        m_ui.Drive1->setItemData(0, directory);
    m_directory = withSlash(QDir(directory).absolutePath());
    m_followCurrent = true;
    const QModelIndex index = m_folders->index(m_directory);
    if (index.isValid()) {
        m_ui.Dir1->setCurrentIndex(index);
        m_ui.Dir1->scrollTo(index);
        m_ui.Dir1->expand(index);
    }
    fillFiles();
}

void Fichexo::fillFiles()
{
    const QSignalBlocker quiet(m_ui.File1);
    m_ui.File1->clear();
    const QStringList names =
        QDir(m_directory).entryList({QStringLiteral("*.E43")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    m_ui.File1->addItems(names);
    m_ui.fichierexo->clear();
    apercu();
}

void Fichexo::File1_Click()
{
    const QListWidgetItem* item = m_ui.File1->currentItem();
    if (!item)
        return;
    m_ui.fichierexo->setText(m_directory + item->text());
    apercu();
}

void Fichexo::apercu()
{
    m_ui.Text1->clear();
    m_ui.Text2->clear();
    m_ui.Text2->setAccessibleName(QString());
    for (QLabel* image : m_ui.Image4)
        image->hide();
    m_ui.Label4->hide();
    m_ui.ouvreur->hide();
    const QString path = m_ui.fichierexo->text();
    if (isBlank(path)) {
        m_ui.intratro->show();
        showDescription(false);
        return;
    }
    m_ui.intratro->hide();
    m_ui.Label4->show();
    m_ui.ouvreur->show();
    showDescription(true);

    const std::optional<ExerciseFile> file = readExerciseFile(path);
    if (!file) {
        m_ui.titratexo->clear();
        m_ui.Label2->clear();
        m_ui.Label3->clear();
        reportUnreadable(this);
        return;
    }
    const QString status = file->corrected() ? correctedCaption() : QStringLiteral("Non corrigé");
    m_ui.Label2->setText(status);
    m_ui.Label3->setText(status);
    m_ui.Label2->setStyleSheet(file->corrected() ? QStringLiteral("color: #006000; font: bold 13pt 'Arial';")
                                                 : QStringLiteral("color: #903000; font: bold 13pt 'Arial';"));
    static const QPixmap Imagalu = star(true);
    static const QPixmap Imagenoir = star(false);
    for (int i = 0; i < 3; ++i) {
        m_ui.Image4[std::size_t(i)]->setPixmap(file->level > i ? Imagalu : Imagenoir);
        m_ui.Image4[std::size_t(i)]->show();
    }
    // One notion a line: run together, the lines of the file would not read.
    m_ui.Text1->setPlainText(file->notions.join(u'\n'));
    m_ui.titratexo->setText(file->title);
    m_ui.Text2->setPixmap(hourglasses(file->hourglasses));
    m_ui.Text2->setAccessibleName(file->hourglasses == 1 ? QStringLiteral("1 sablier")
                                                         : QStringLiteral("%1 sabliers").arg(file->hourglasses));
}

void Fichexo::ouvreur_Click()
{
    const QString path = m_ui.fichierexo->text();
    if (isBlank(path))
        return;
    m_ui.Frame2->show();
    m_ui.Frame2->raise();
    m_ui.Frame2->repaint();
    const bool opened = m_open && m_open(path);
    m_ui.Frame2->hide();
    if (opened)
        accept();
}

void Fichexo::Image5_Click()
{
    reject();
}

} // namespace exercises
