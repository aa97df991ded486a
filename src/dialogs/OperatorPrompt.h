#pragma once
#include <QMessageBox>
#include <QString>
#include <optional>

class QValidator;
class QWidget;

// Every message box and question the windows put to the operator goes through
// here, so that tests can answer them without a person in front of the screen.
class TOperatorPrompt
{
public:
    enum TKind { Information, Warning, Error, Question };

    virtual ~TOperatorPrompt() = default;

    // Shows a message with the given buttons and returns the one pressed.
    virtual QMessageBox::StandardButton Show(QWidget *parent, TKind kind, const QString &text,
                                             QMessageBox::StandardButtons buttons) = 0;
    // Asks for one line of text, starting from text; nothing when the
    // operator cancelled. The validator (may be null) refuses keystrokes.
    virtual std::optional<QString> AskText(QWidget *parent, const QString &title, const QString &label,
                                           const QString &text, QValidator *validator);

    // The prompt the windows use: message boxes, unless a test installed its own.
    static TOperatorPrompt &Instance();
    // Installs a replacement (nullptr restores the message boxes); the caller keeps ownership.
    static void Install(TOperatorPrompt *prompt);

    // Shorthands for the common shapes.
    static void Inform(QWidget *parent, const QString &text, TKind kind = Information);
    static bool ConfirmOkCancel(QWidget *parent, const QString &text);
    static bool ConfirmYesNo(QWidget *parent, const QString &text);
};
