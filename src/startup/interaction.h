// Every message box and modal dialog of the terminal goes through this one
// interface, so that tests can answer them in order.
#pragma once

#include <QString>

class QDialog;

class Interaction {
public:
    virtual ~Interaction() = default;
    // An information box with one OK button.
    virtual void information(const QString& text) = 0;
    // The application-wide error box for a failure no handler expected.
    virtual void error(const QString& text) = 0;
    // A confirmation with a title and the buttons OK and Cancel; true on OK.
    virtual bool confirmation(const QString& title, const QString& text) = 0;
    // Runs the dialog modally and returns its result code.
    virtual int execModal(QDialog& dialog) = 0;
    // A file-open dialog with the given filter; empty when cancelled.
    virtual QString openFileName(const QString& filter) = 0;
};

// The real message boxes and modal loops.
class WidgetInteraction final : public Interaction {
public:
    void information(const QString& text) override;
    void error(const QString& text) override;
    bool confirmation(const QString& title, const QString& text) override;
    int execModal(QDialog& dialog) override;
    QString openFileName(const QString& filter) override;
};
