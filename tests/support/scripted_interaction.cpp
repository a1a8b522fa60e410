#include "support/scripted_interaction.h"

#include <QDialog>

QStringList ScriptedInteraction::messages() const
{
    QStringList texts;
    for (const Shown& s : shown_)
        if (s.kind == Shown::Kind::Information || s.kind == Shown::Kind::Error)
            texts << s.text;
    return texts;
}

QStringList ScriptedInteraction::errors() const
{
    QStringList texts;
    for (const Shown& s : shown_)
        if (s.kind == Shown::Kind::Error)
            texts << s.text;
    return texts;
}

void ScriptedInteraction::information(const QString& text)
{
    shown_.push_back({Shown::Kind::Information, QString(), text});
}

void ScriptedInteraction::error(const QString& text)
{
    shown_.push_back({Shown::Kind::Error, QString(), text});
}

bool ScriptedInteraction::confirmation(const QString& title, const QString& text)
{
    shown_.push_back({Shown::Kind::Confirmation, title, text});
    if (confirmations_.empty())
        return false;
    const bool ok = confirmations_.front();
    confirmations_.pop_front();
    return ok;
}

int ScriptedInteraction::execModal(QDialog& dialog)
{
    shown_.push_back({Shown::Kind::Modal, dialog.windowTitle(), dialog.objectName()});
    if (modals_.empty())
        return QDialog::Rejected;
    ModalAnswer answer = std::move(modals_.front());
    modals_.pop_front();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    const int result = answer(dialog);
    dialog.hide();
    return result;
}

QString ScriptedInteraction::openFileName(const QString& filter)
{
    shown_.push_back({Shown::Kind::OpenFile, QString(), filter});
    if (files_.empty())
        return QString();
    const QString path = files_.front();
    files_.pop_front();
    return path;
}
