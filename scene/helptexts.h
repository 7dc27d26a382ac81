#pragma once
// The texts of the help label "info" for the control under the mouse.

#include <QString>

struct HelpContext {
    QString currentInfo;                  // what "info" shows now
    bool cameraIdle = true;               // command12's tool tip reads "Chronophotographie"
    bool graphCanBeEnlarged = false;      // Command5 is enabled
    bool noFlightToGraph = false;         // the throw starts on the ground and does not rise
};

// The confirmation a copy of the picture leaves in "info".
QString copyConfirmationText();

// The text for the control named objectName (swatches are "Label4_0" to
// "Label4_9", the window's background is "feuilleP"), or a null string when
// "info" keeps its text.
QString helpTextFor(const QString& objectName, const HelpContext& context);
