// The interaction seam for tests: records every message box and dialog
// shown, and answers them from queues filled by the test, in order.
#pragma once

#include "startup/interaction.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

struct Shown {
    enum class Kind { Information, Error, Confirmation, Modal, OpenFile };
    Kind kind;
    QString title;
    QString text;       // message text, or the object name of a modal dialog
};

class ScriptedInteraction final : public Interaction {
public:
    using ModalAnswer = std::function<int(QDialog&)>;

    // The next confirmation is answered OK (true) or Cancel; unanswered ones get Cancel.
    void answerConfirmation(bool ok) { confirmations_.push_back(ok); }
    // The next modal dialog is handed to the answer, which may work its
    // controls, and closes with the code it returns; unanswered ones close rejected.
    void answerModal(ModalAnswer answer) { modals_.push_back(std::move(answer)); }
    // The next file dialog picks this path; unanswered ones are cancelled.
    void answerOpenFile(const QString& path) { files_.push_back(path); }

    const std::vector<Shown>& shown() const { return shown_; }
    // Texts of the information and error boxes, in order.
    QStringList messages() const;
    QStringList errors() const;
    // Forgets what was shown and every answer not yet taken.
    void clear()
    {
        shown_.clear();
        confirmations_.clear();
        modals_.clear();
        files_.clear();
    }

    void information(const QString& text) override;
    void error(const QString& text) override;
    bool confirmation(const QString& title, const QString& text) override;
    int execModal(QDialog& dialog) override;
    QString openFileName(const QString& filter) override;

private:
    std::vector<Shown> shown_;
    std::deque<bool> confirmations_;
    std::deque<ModalAnswer> modals_;
    std::deque<QString> files_;
};
