#pragma once
// "Patience: chargement du fichier", over the window while a configuration
// is read: shown and painted before the work starts, closed after it.

#include <QLabel>

namespace config {

class WaitingNotice : public QLabel {
public:
    explicit WaitingNotice(QWidget* window);

    // Centres the notice on its window and paints it at once.
    void showNow();
};

} // namespace config
