#pragma once
// The help window: the user manual (HTML pages of the help directory beside
// the program) in a browser, with its table of contents, back and forward,
// and a search over every page.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTextBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // The first page of the manual, its table of contents.
    static QString contentsPage() { return QStringLiteral("index.html"); }
    // The manual installed beside the program.
    static QString installedManual();

    explicit HelpWindow(const QString& helpDirectory, QWidget* parent = nullptr);

    void showContents();
    // A page of the manual by its file name, with an optional #anchor.
    void showPage(const QString& page);
    // The file name of the page shown.
    QString currentPage() const;

    // Lists the pages holding every word typed (case and accents ignored),
    // the pages with most occurrences first.
    void search(const QString& words);
    QStringList searchResults() const;

    QTextBrowser* browser() const { return m_browser; }

private:
    struct Page {
        QString file;
        QString title;
        QString text; // plain, folded for searching
    };

    void loadPages();
    void contentsClicked(QListWidgetItem* item);
    void resultClicked(QListWidgetItem* item);
    void pageChanged();

    QString m_directory;
    QUrl m_current;
    std::vector<Page> m_pages;
    QStringList m_lastWords;

    QPushButton* m_back;
    QPushButton* m_forward;
    QPushButton* m_home;
    QLineEdit* m_searchBox;
    QListWidget* m_contents;
    QLabel* m_resultsTitle;
    QListWidget* m_results;
    QTextBrowser* m_browser;
};
