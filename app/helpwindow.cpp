#include "app/helpwindow.h"

#include "ui/appdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Lower case without accents, one character for one, so that positions in the
// folded text are positions in the page: "Énergie" and "energie" meet.
QString folded(const QString& text)
{
    QString result = text;
    for (QChar& c : result) {
        if (c.decompositionTag() == QChar::Canonical)
            c = c.decomposition().at(0);
        c = c.toLower();
    }
    return result;
}

QStringList foldedWords(const QString& words)
{
    return folded(words).split(QRegularExpression(QStringLiteral("[\\s,;.:!?'’()]+")), Qt::SkipEmptyParts);
}

QString readPage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// The pages the table of contents links to, in its order, each once.
QStringList linkedPages(const QString& contents)
{
    QStringList pages;
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+\\.html)[^\"]*\""));
    for (auto match = link.globalMatch(contents); match.hasNext();) {
        const QString page = match.next().captured(1);
        if (!pages.contains(page))
            pages.append(page);
    }
    return pages;
}

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

QString HelpWindow::installedManual() { return applicationDirectory() + QStringLiteral("help"); }

HelpWindow::HelpWindow(const QString& helpDirectory, QWidget* parent)
    : QWidget(parent, Qt::Window), m_directory(QDir(helpDirectory).absolutePath())
{
    setObjectName(QStringLiteral("aide"));
    setWindowTitle(QStringLiteral("Aide de Tavrel TS"));
    resize(960, 680);

    m_back = named(new QPushButton(QStringLiteral("◀ Précédente"), this), "back");
    m_back->setToolTip(QStringLiteral("Revenir à la page précédente (Alt+Gauche)"));
    m_forward = named(new QPushButton(QStringLiteral("Suivante ▶"), this), "forward");
    m_forward->setToolTip(QStringLiteral("Aller à la page suivante (Alt+Droite)"));
    m_home = named(new QPushButton(QStringLiteral("Sommaire"), this), "home");
    m_searchBox = named(new QLineEdit(this), "searchBox");
    m_searchBox->setPlaceholderText(QStringLiteral("Rechercher dans l'aide…"));
    m_searchBox->setClearButtonEnabled(true);
    m_searchBox->setMinimumWidth(260);
    auto* searchButton = named(new QPushButton(QStringLiteral("&Rechercher"), this), "searchButton");

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(m_home);
    bar->addStretch(1);
    bar->addWidget(m_searchBox);
    bar->addWidget(searchButton);

    auto* side = new QWidget(this);
    auto* contentsTitle = new QLabel(QStringLiteral("<b>Sommaire</b>"), side);
    m_contents = named(new QListWidget(side), "contents");
    m_resultsTitle = named(new QLabel(side), "resultsTitle");
    m_resultsTitle->setWordWrap(true);
    m_results = named(new QListWidget(side), "results");
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(contentsTitle);
    sideLayout->addWidget(m_contents, 3);
    sideLayout->addWidget(m_resultsTitle);
    sideLayout->addWidget(m_results, 2);
    m_resultsTitle->hide();
    m_results->hide();

    m_browser = named(new QTextBrowser(this), "browser");
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({m_directory});
    m_browser->document()->setDefaultStyleSheet(readPage(QDir(m_directory).filePath(QStringLiteral("aide.css"))));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, 710});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
    // The browser tells the new page before its source() says it.
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        m_current = url;
        pageChanged();
    });
    connect(m_contents, &QListWidget::itemClicked, this, &HelpWindow::contentsClicked);
    connect(m_contents, &QListWidget::itemActivated, this, &HelpWindow::contentsClicked);
    connect(m_results, &QListWidget::itemClicked, this, &HelpWindow::resultClicked);
    connect(m_results, &QListWidget::itemActivated, this, &HelpWindow::resultClicked);
    connect(m_searchBox, &QLineEdit::returnPressed, this, [this] { search(m_searchBox->text()); });
    connect(searchButton, &QPushButton::clicked, this, [this] { search(m_searchBox->text()); });
    new QShortcut(QKeySequence::Back, this, m_browser, &QTextBrowser::backward);
    new QShortcut(QKeySequence::Forward, this, m_browser, &QTextBrowser::forward);
    new QShortcut(QKeySequence::Find, this, [this] {
        m_searchBox->setFocus();
        m_searchBox->selectAll();
    });
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    loadPages();
    showContents();
}

void HelpWindow::loadPages()
{
    QStringList files{contentsPage()};
    files += linkedPages(readPage(QDir(m_directory).filePath(contentsPage())));
    files.removeDuplicates();
    for (const QString& file : files) {
        const QString html = readPage(QDir(m_directory).filePath(file));
        if (html.isEmpty())
            continue;
        QTextDocument document;
        document.setHtml(html);
        const QString title = document.metaInformation(QTextDocument::DocumentTitle);
        m_pages.push_back({file, title.isEmpty() ? file : title, folded(document.toPlainText())});
        auto* item = new QListWidgetItem(m_pages.back().title, m_contents);
        item->setData(Qt::UserRole, file);
    }
}

void HelpWindow::showContents() { showPage(contentsPage()); }

void HelpWindow::showPage(const QString& page)
{
    QUrl url = QUrl::fromLocalFile(QDir(m_directory).filePath(page.section(QLatin1Char('#'), 0, 0)));
    if (page.contains(QLatin1Char('#')))
        url.setFragment(page.section(QLatin1Char('#'), 1));
    m_browser->setSource(url);
}

QString HelpWindow::currentPage() const { return QFileInfo(m_current.toLocalFile()).fileName(); }

void HelpWindow::pageChanged()
{
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Aide de Tavrel TS")
                                   : QStringLiteral("Aide de Tavrel TS – %1").arg(title));
    const QString page = currentPage();
    for (int row = 0; row < m_contents->count(); ++row)
        if (m_contents->item(row)->data(Qt::UserRole).toString() == page)
            m_contents->setCurrentRow(row);

    // The words searched for stay marked on every page opened from the results.
    QList<QTextEdit::ExtraSelection> marks;
    QTextCursor first;
    const QString text = folded(m_browser->document()->toRawText());
    for (const QString& word : m_lastWords) {
        for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + word.size())) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(m_browser->document());
            mark.cursor.setPosition(int(at));
            mark.cursor.setPosition(int(at + word.size()), QTextCursor::KeepAnchor);
            mark.format.setBackground(QColor(255, 240, 120));
            marks.append(mark);
            if (first.isNull() || at < first.position())
                first = mark.cursor;
        }
    }
    m_browser->setExtraSelections(marks);
    if (!first.isNull() && m_current.fragment().isEmpty()) {
        QTextCursor caret = first;
        caret.clearSelection();
        m_browser->setTextCursor(caret);
        // The first word found near the top of the view, not on its last line.
        QScrollBar* scroll = m_browser->verticalScrollBar();
        scroll->setValue(scroll->value() + m_browser->cursorRect(caret).top() - 3 * m_browser->fontMetrics().height());
    }
}

void HelpWindow::contentsClicked(QListWidgetItem* item)
{
    m_lastWords.clear();
    showPage(item->data(Qt::UserRole).toString());
}

void HelpWindow::resultClicked(QListWidgetItem* item)
{
    const QString page = item->data(Qt::UserRole).toString();
    if (page.isEmpty())
        return;
    showPage(page);
    pageChanged(); // the same page again does not change the source
}

void HelpWindow::search(const QString& words)
{
    m_results->clear();
    m_lastWords = foldedWords(words);
    m_resultsTitle->show();
    m_results->show();
    if (m_lastWords.isEmpty()) {
        m_resultsTitle->setText(QStringLiteral("Tapez un ou plusieurs mots à chercher."));
        pageChanged();
        return;
    }

    struct Found {
        const Page* page;
        qsizetype count;
    };
    std::vector<Found> found;
    for (const Page& page : m_pages) {
        qsizetype count = 0;
        bool all = true;
        for (const QString& word : m_lastWords) {
            const qsizetype here = page.text.count(word);
            all = all && here > 0;
            count += here;
        }
        if (all)
            found.push_back({&page, count});
    }
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.count > b.count; });

    if (found.empty()) {
        m_resultsTitle->setText(QStringLiteral("Aucune page ne contient « %1 ».").arg(words.trimmed()));
    } else {
        m_resultsTitle->setText(found.size() == 1 ? QStringLiteral("<b>Une page trouvée</b>")
                                                  : QStringLiteral("<b>%1 pages trouvées</b>").arg(found.size()));
        for (const Found& result : found) {
            auto* item = new QListWidgetItem(result.page->title, m_results);
            item->setData(Qt::UserRole, result.page->file);
        }
        m_results->setCurrentRow(0);
        resultClicked(m_results->item(0));
        return;
    }
    pageChanged();
}

QStringList HelpWindow::searchResults() const
{
    QStringList pages;
    for (int row = 0; row < m_results->count(); ++row)
        pages.append(m_results->item(row)->data(Qt::UserRole).toString());
    return pages;
}
