// The main window's life: load, activation, closing questions and unload.

#include "app/feuillep.h"

#include "scene/sceneview.h"

#include "app/scenepicture.h"
#include "app/welcometext.h"
#include "config/dialogs/waitingnotice.h"
#include "calc/machine.h"
#include "scene/windowpainting.h"
#include "sim/catalogue.h"
#include "scene/projectilepicture.h"
#include "scene/scenegeometry.h"
#include "ui/appdir.h"
#include "ui/colourvalue.h"
#include "ui/dialogservice.h"
#include "ui/numberformat.h"
#include "ui/picturesurface.h"
#include "ui/soundservice.h"
#include "ui/updown.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

FeuilleP::FeuilleP(QWidget* parent)
    : QWidget(parent)
    , m_flight(&scene::pictureView())
    , m_graph(graphs::LiveGraph::defaultWidth, graphs::LiveGraph::defaultHeight, devicePixelRatioF())
{
    m_ui.setupUi(this);
    for (int i = 0; i < scene::swatchCount; ++i)
        setSwatchValue(i, colourValue(m_swatches[size_t(i)]));
    m_waitingNotice = new config::WaitingNotice(this);
    setAcceptDrops(true);
    installPanelPainters();
    createExerciseCommands();
    connectHandlers();
    connectKeyboard();
    Form_Load();
}

// The fields validate themselves when they lose the focus, and the focus
// leaves them while the window's children are destroyed: by then the scene
// and the state are gone. The handlers are cut off first.
FeuilleP::~FeuilleP()
{
    m_ui.Timer1->stop();
    qDeleteAll(m_fieldFilters);
}

QString FeuilleP::markerFilePath() { return MarkerFile::path(); }

PictureSurface& FeuilleP::surface() { return m_ui.Picture2->surface(); }
const PictureSurface& FeuilleP::sceneSurface() const { return m_ui.Picture2->surface(); }

bool FeuilleP::timerRunning() const { return m_ui.Timer1->isActive(); }

void FeuilleP::Form_Load()
{
    m_markerFile.markRunning();

    loadPictureLists();
    m_flight.reset();
    surface().clear();
    m_scene.imageTop = scene::groundImageTop;
    placeProjectileImage();

    Form_Resize();
    showWelcomeText();

    for (int i = 0; i < sim::placeCount; ++i)
        m_ui.Combo1->addItem(QString::fromUtf8(sim::place(i).name));
    m_ui.Combo1->setCurrentIndex(0);
    Combo1_Click();
    if (m_fatal)
        return;
    for (int i = 0; i < sim::projectileCount; ++i)
        m_ui.Combo2->addItem(QString::fromUtf8(sim::projectile(i).name));
    m_ui.Combo2->setCurrentIndex(sim::Ballon);
    Combo2_Click();

    m_ui.Text1->setText(formatPattern(scene::xForImageLeft(m_scene.imageLeft), QStringLiteral("###0.00")));
    m_ui.Text2->setText(formatPattern(scene::yForImageTop(m_scene.imageTop), QStringLiteral("###0.00")));
    voxvoy();
    m_ui.info->setText(QStringLiteral("Vous pouvez modifier les paramètres,\nouvrir une configuration ou un exercice"));
    m_ui.VScroll1->setValue(30);
    m_ui.VScroll3->setValue(70);
    m_ui.VScroll4->setValue(30);
    m_ui.UpDown1->setValue(6);
    vectorScaleChanged();
    repgraphe();
    maj12();
    // The reset above ran before the launch velocity was known: the actions
    // follow the throw from the start, not only from the first activation.
    plusbouton();
}

void FeuilleP::loadPictureLists()
{
    for (size_t i = 0; i < m_projectilePictures.size(); ++i) {
        const qreal ratio = devicePixelRatioF();
        m_projectilePictures[i] = pictureAtRatio(
            scene::projectilePicture(applicationDirectory() + QStringLiteral("projectile%1.png").arg(i + 1)), ratio);
        m_shadowPictures[i] =
            pictureAtRatio(QImage(applicationDirectory() + QStringLiteral("shadow%1.png").arg(i + 1)), ratio);
    }
}

void FeuilleP::showWelcomeText()
{
    writeWelcomeText(m_ui.supertext);
    // The program wrote it, not the user: nothing to lose on closing.
    m_ui.supertext->document()->setModified(false);
}

void FeuilleP::Form_Resize()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect available = screen->geometry();
    if (available.width() <= 850)
        return;
    if (isMaximized() || isFullScreen())
        showNormal();
    if (size() != QSize(800, 600))
        resize(800, 600);
    move(available.left() + (available.width() - width()) / 2, available.top() + (available.height() - height()) / 2);
}

void FeuilleP::Form_Activate()
{
    plusbouton();
    const QString request = m_markerFile.takeExerciseRequest().trimmed();
    if (!request.isEmpty())
        emit exerciseRequested(request);
}

bool FeuilleP::Form_QueryUnload()
{
    DialogService& dialogs = DialogService::current();
    if (m_exerciseTextModified
        && !dialogs.askOkCancel(this, QStringLiteral("Abandon des données?"),
                                QStringLiteral("Attention: perte des modifications du texte.")))
        return false;
    return dialogs.askOkCancel(this, QStringLiteral("Fermer"), QStringLiteral("Quitter vraiment Tavrel TS ?"));
}

void FeuilleP::Form_Unload()
{
    m_ui.Timer1->stop();
    SoundService::current().close();
    m_machine.reset();
    m_markerFile.markStopped();
}

void FeuilleP::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QWidget::changeEvent(event);
}

void FeuilleP::closeEvent(QCloseEvent* event)
{
    if (!m_fatal && !Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void FeuilleP::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isVisible())
        Form_Resize();
}

// The window's painting never changes, but the read-outs over it are redrawn
// at every tick: it is painted once and then copied where needed.
void FeuilleP::paintEvent(QPaintEvent* event)
{
    const qreal ratio = devicePixelRatioF();
    if (m_backdrop.deviceIndependentSize() != QSizeF(size()) || m_backdrop.devicePixelRatio() != ratio) {
        m_backdrop = QPixmap(size() * ratio);
        m_backdrop.setDevicePixelRatio(ratio);
        QPainter backdrop(&m_backdrop);
        scene::paintMainWindow(backdrop, m_ui.supertext->geometry(), m_ui.fich->geometry().top(),
                               m_ui.Frame3->geometry().bottom() + 1);
    }
    QPainter painter(this);
    const QRectF area(event->rect());
    painter.drawPixmap(area, m_backdrop, QRectF(area.topLeft() * ratio, area.size() * ratio));
}
