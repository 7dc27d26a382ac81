#pragma once
// The behaviour of the main window's rich-text box `supertext` for the
// exercises: it loads and saves RTF, keeps the statement editable and shows
// a correction read-only on a pale page under a "Correction" banner, and
// follows the user's edits (`textModified`).

#include <QObject>
#include <QString>
#include <functional>

class QLabel;
class QTextEdit;

namespace exercises {

class Supertext : public QObject {
    Q_OBJECT
public:
    enum class Mode { Welcome, Statement, Correction };
    enum class Load { Loaded, Missing, Unreadable };

    // modifiedChanged is told every change of `textModified`.
    Supertext(QTextEdit* box, std::function<void(bool)> modifiedChanged);

    // Reads an RTF file (a file of plain text is shown as such) into the box
    // in the given mode; `textModified` is then 0. A failed load leaves the
    // box as it was.
    Load load(const QString& path, Mode mode);
    // The box's text as RTF, written through a save file; false on failure.
    bool save(const QString& path) const;

    // The welcome text is written by its own procedure; this only sets the look.
    void setMode(Mode mode);
    Mode mode() const { return m_mode; }

    bool textModified() const;
    void clearTextModified();

    // Files larger than this are no text a teacher wrote.
    static constexpr qint64 largestText = 64 * 1024 * 1024;

private:
    void placeBanner();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QTextEdit* m_box;
    QLabel* m_banner;
    std::function<void(bool)> m_modifiedChanged;
    Mode m_mode = Mode::Welcome;
};

} // namespace exercises
