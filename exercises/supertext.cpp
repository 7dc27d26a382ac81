#include "exercises/supertext.h"

#include "exercises/rtf/rtfreader.h"
#include "exercises/rtf/rtfwriter.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextEdit>

namespace exercises {

namespace {

const QString statementStyle = QStringLiteral("QTextEdit#supertext { background: white; }");
// The text starts under the banner, which would otherwise hide the end of a
// long title and whatever scrolls beneath it.
QString correctionStyle(int bannerHeight)
{
    return QStringLiteral("QTextEdit#supertext { background: #fdf6dc; padding-top: %1px; }").arg(bannerHeight);
}

} // namespace

Supertext::Supertext(QTextEdit* box, std::function<void(bool)> modifiedChanged)
    : m_box(box), m_banner(new QLabel(QStringLiteral("Correction"), box)),
      m_modifiedChanged(std::move(modifiedChanged))
{
    m_banner->setObjectName(QStringLiteral("correctionBanner"));
    m_banner->setAlignment(Qt::AlignCenter);
    m_banner->setStyleSheet(QStringLiteral(
        "QLabel { background: #b06000; color: white; font: bold 9pt 'Arial'; padding: 1px 10px;"
        " border-bottom-left-radius: 6px; }"));
    m_banner->setToolTip(QStringLiteral("Corrigé de l'exercice : lecture seule"));
    m_banner->hide();
    m_box->installEventFilter(this);
    connect(m_box->document(), &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (m_modifiedChanged)
            m_modifiedChanged(modified);
    });
    setMode(Mode::Welcome);
}

Supertext::Load Supertext::load(const QString& path, Mode mode)
{
    QFile file(path);
    if (!file.exists())
        return Load::Missing;
    if (!file.open(QIODevice::ReadOnly) || file.size() > largestText)
        return Load::Unreadable;
    const QByteArray bytes = file.read(largestText);
    if (file.error() != QFileDevice::NoError)
        return Load::Unreadable;

    QTextDocument* document = m_box->document();
    if (!rtf::read(bytes, *document))
        document->setPlainText(QString::fromLocal8Bit(bytes));
    document->clearUndoRedoStacks();
    setMode(mode);
    clearTextModified();
    return Load::Loaded;
}

bool Supertext::save(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = rtf::write(*m_box->document());
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

void Supertext::setMode(Mode mode)
{
    m_mode = mode;
    m_box->setReadOnly(mode != Mode::Statement);
    m_box->setStyleSheet(mode == Mode::Correction ? correctionStyle(m_banner->sizeHint().height()) : statementStyle);
    m_box->setToolTip(mode == Mode::Statement ? QStringLiteral("Énoncé : vous pouvez y écrire vos réponses")
                                              : QString());
    m_banner->setVisible(mode == Mode::Correction);
    placeBanner();
}

bool Supertext::textModified() const
{
    return m_box->document()->isModified();
}

void Supertext::clearTextModified()
{
    m_box->document()->setModified(false);
    if (m_modifiedChanged)
        m_modifiedChanged(false);
}

void Supertext::placeBanner()
{
    m_banner->adjustSize();
    // In the strip the correction's style leaves above the text.
    const QRect text = m_box->viewport()->geometry();
    m_banner->move(text.right() - m_banner->width() + 1, std::max(0, text.top() - m_banner->height()));
    m_banner->raise();
}

bool Supertext::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        placeBanner();
    return QObject::eventFilter(watched, event);
}

} // namespace exercises
