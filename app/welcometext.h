#pragma once
class QTextEdit;
// Writes the welcome text into the rich-text box.
void writeWelcomeText(QTextEdit* box);
