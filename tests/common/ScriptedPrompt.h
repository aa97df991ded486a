#pragma once
#include "dialogs/OperatorPrompt.h"

#include <QStringList>
#include <functional>

// Answers every prompt of the windows with a scripted button and records what
// was asked, for as long as it exists.
class TScriptedPrompt : public TOperatorPrompt
{
public:
    struct TAsked
    {
        TKind kind;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    TScriptedPrompt() { Install(this); }
    ~TScriptedPrompt() override { Install(nullptr); }

    QMessageBox::StandardButton Show(QWidget *, TKind kind, const QString &text,
                                     QMessageBox::StandardButtons buttons) override
    {
        const TAsked question{kind, text, buttons};
        asked.append(question);
        if (answer)
            return answer(question);
        if (buttons & QMessageBox::Ok)
            return QMessageBox::Ok;
        if (buttons & QMessageBox::Yes)
            return QMessageBox::Yes;
        return QMessageBox::NoButton;
    }

    std::optional<QString> AskText(QWidget *, const QString &title, const QString &label, const QString &text,
                                   QValidator *) override
    {
        asked.append({Question, title + QLatin1String(": ") + label, QMessageBox::Ok | QMessageBox::Cancel});
        return textAnswer ? textAnswer(label, text) : std::nullopt;
    }

    QStringList Texts() const
    {
        QStringList texts;
        for (const TAsked &question : asked)
            texts << question.text;
        return texts;
    }

    // The answer to give; when unset, Ok or Yes, whichever is offered.
    std::function<QMessageBox::StandardButton(const TAsked &)> answer;
    // The text a text question returns; when unset, the operator cancels.
    std::function<std::optional<QString>(const QString &label, const QString &text)> textAnswer;
    QList<TAsked> asked;
};
