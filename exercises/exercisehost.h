#pragma once
// What the exercise window may reach of the main window: the statement box
// and the exercise file field it fills, the welcome text it shows again when
// an exercise closes, the flag of an edited statement that the closing
// question reads, the loading of the situation that goes with an exercise,
// and the recomputation of the launch velocity after a situation is loaded.
// The exercise window never includes the main window.

class QLineEdit;
class QString;
class QTextEdit;
class QWidget;

class ExerciseHost {
public:
    // The window that owns the statement box: the parent of the exercise
    // window and of its dialogs, and the one whose pointer shows the hourglass.
    virtual QWidget* hostWindow() = 0;
    virtual QTextEdit* statementBox() = 0;     // `supertext`
    virtual QLineEdit* exerciseFileField() = 0; // `fich`, "" when no exercise is open
    virtual void showWelcomeText() = 0;
    virtual void setExerciseTextModified(bool modified) = 0;
    virtual void voxvoy() = 0; // the launch velocity components from v0 and alpha
    // Reads the configuration file configFileName into the main window, with
    // its messages, as the "Ouvrir" button does (without its waiting notice).
    virtual void loadConfiguration(const QString& configFileName) = 0;

protected:
    ~ExerciseHost() = default;
};
