// Saving and opening a situation: the configuration file, the caption that
// names it, and a ".P20" file dropped on the window.

#include "app/feuillep.h"

#include "config/dialogs/waitingnotice.h"
#include "ui/updown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>

namespace {

using config::Configuration;
using config::Tick;

// Records 12 to 25: the option boxes in file order.
struct OptionRecord {
    QCheckBox* FeuillePUi::*box;
    Tick Configuration::*tick;
};
constexpr std::array<OptionRecord, 14> optionRecords = {{
    {&FeuillePUi::Check1, &Configuration::frame},
    {&FeuillePUi::Check2, &Configuration::centreMarksOnly},
    {&FeuillePUi::Check3, &Configuration::grid},
    {&FeuillePUi::Check4, &Configuration::stopOutsideScene},
    {&FeuillePUi::Check5, &Configuration::velocity},
    {&FeuillePUi::Check6, &Configuration::velocityChange},
    {&FeuillePUi::Check7, &Configuration::construction},
    {&FeuillePUi::Check8, &Configuration::trajectory},
    {&FeuillePUi::Check9, &Configuration::photoVectors},
    {&FeuillePUi::Check10, &Configuration::thickLines},
    {&FeuillePUi::Check11, &Configuration::projections},
    {&FeuillePUi::Check12, &Configuration::weight},
    {&FeuillePUi::speed, &Configuration::slowMotion},
    {&FeuillePUi::Check14, &Configuration::acceleration},
}};
constexpr int firstOptionRecord = 12;

Tick tickOf(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Unchecked: return Tick::Unticked;
    case Qt::PartiallyChecked: return Tick::Grey;
    case Qt::Checked: return Tick::Ticked;
    }
    return Tick::Unticked;
}

// A greyed box shows partially checked and counts as ticked, as any value
// other than 0 does.
void setTick(QCheckBox* box, Tick tick)
{
    if (tick == Tick::Grey) {
        box->setCheckState(Qt::PartiallyChecked);
        return;
    }
    box->setTristate(false);
    box->setChecked(tick == Tick::Ticked);
}

// The one local ".P20" file of a drag, or nothing.
QString droppedConfiguration(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile())
        return QString();
    const QString path = data->urls().constFirst().toLocalFile();
    return config::hasConfigurationExtension(path) ? path : QString();
}

} // namespace

Configuration FeuilleP::currentConfiguration() const
{
    Configuration c;
    c.place = m_ui.Combo1->currentIndex();
    c.projectile = m_ui.Combo2->currentIndex();
    c.x0 = m_ui.Text1->text();
    c.y0 = m_ui.Text2->text();
    c.v0 = m_ui.Text3->text();
    c.alpha = m_ui.Text4->text();
    c.velocityScaleSetting = m_ui.VScroll1->value();
    c.velocityChangeSetting = m_ui.UpDown1->value();
    c.weightScaleSetting = m_ui.VScroll3->value();
    c.chronoInterval = m_ui.chrono->text();
    for (const OptionRecord& option : optionRecords)
        c.*option.tick = tickOf(m_ui.*option.box);
    c.accelerationScaleSetting = m_ui.VScroll4->value();
    static_assert(config::colourCount == scene::swatchCount);
    std::copy(m_swatchValues.begin(), m_swatchValues.end(), c.colours.begin());
    return c;
}

void FeuilleP::Command11_Click()
{
    const std::optional<QString> configFileName = m_configurationDialogs.chooseFileToSave(this);
    if (!configFileName)
        return;
    // The caption names only a file that was written.
    if (config::saveConfigurationFile(this, *configFileName, currentConfiguration()))
        showConfigurationCaption(*configFileName);
}

void FeuilleP::Command2_Click()
{
    if (const std::optional<QString> configFileName = m_configurationDialogs.chooseFileToOpen(this))
        openConfiguration(*configFileName);
}

void FeuilleP::openConfiguration(const QString& configFileName)
{
    m_waitingNotice->showNow();
    loadConfiguration(configFileName);
    m_waitingNotice->hide();
}

// Each value goes to its control as a user's change would, with the
// control's own handling.
void FeuilleP::applyConfigurationRecord(int record, const Configuration& c)
{
    switch (record) {
    case 2:
        m_ui.Combo1->setCurrentIndex(c.place);
        Combo1_Click();
        return;
    case 3:
        m_ui.Combo2->setCurrentIndex(c.projectile);
        Combo2_Click();
        return;
    case 4: m_ui.Text1->setText(c.x0); return;
    case 5: m_ui.Text2->setText(c.y0); return;
    case 6: m_ui.Text3->setText(c.v0); return;
    case 7: m_ui.Text4->setText(c.alpha); return;
    case 8: m_ui.VScroll1->setValue(c.velocityScaleSetting); return;
    case 9: m_ui.UpDown1->setValue(c.velocityChangeSetting); return;
    case 10: m_ui.VScroll3->setValue(c.weightScaleSetting); return;
    case 11: m_ui.chrono->setText(c.chronoInterval); return;
    case config::lastControlRecord: m_ui.VScroll4->setValue(c.accelerationScaleSetting); return;
    default: break;
    }
    if (record >= firstOptionRecord && record < firstOptionRecord + int(optionRecords.size())) {
        const OptionRecord& option = optionRecords[size_t(record - firstOptionRecord)];
        setTick(m_ui.*option.box, c.*option.tick);
    } else if (record >= config::firstColourRecord && record < config::firstColourRecord + config::colourCount) {
        const int swatch = record - config::firstColourRecord;
        setSwatchValue(swatch, c.colours[size_t(swatch)]);
    }
}

void FeuilleP::loadConfiguration(const QString& configFileName)
{
    // 1. The waiting notice, when a caller shows it, is drawn before the work.
    if (m_waitingNotice->isVisible())
        m_waitingNotice->repaint();

    // 2. A file that is not ours, or that cannot be read at all, changes
    // nothing: not the scene, not the caption.
    const config::ConfigurationRead read = config::readConfiguration(configFileName);
    if (!read.holds(1)) {
        config::reportReadFailure(this, *read.failure);
        return;
    }

    // 3. The drawings go (the place chosen by record 2 brings its photograph
    // back as the scene's background).
    m_marks.clear();
    retico();

    // 4 and 5. Records 2 to 26, then the colours, each applied as read; a
    // failure keeps what came before it.
    for (int record = 2; record <= config::configurationRecordCount && read.holds(record); ++record)
        applyConfigurationRecord(record, read.configuration);
    if (read.failure)
        config::reportReadFailure(this, *read.failure);

    // 7.
    m_waitingNotice->hide();

    // 8. The same validations as the user's own edits.
    Combo1_Click();
    Combo2_Click();
    Text1_LostFocus();
    Text2_LostFocus();
    Text3_LostFocus();
    Text4_LostFocus();
    chrono_LostFocus();

    // 9.
    showConfigurationCaption(configFileName);
}

void FeuilleP::showConfigurationCaption(const QString& configFileName)
{
    setWindowTitle(QStringLiteral("Tavrel TS - ") + QDir::toNativeSeparators(configFileName));
}

void FeuilleP::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedConfiguration(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void FeuilleP::dropEvent(QDropEvent* event)
{
    const QString configFileName = droppedConfiguration(event->mimeData());
    if (configFileName.isEmpty())
        return;
    event->acceptProposedAction();
    if (config::checkFileToOpen(this, configFileName))
        openConfiguration(configFileName);
}
