// Base of the program's dialogs: fixed designed size, no title-bar buttons
// unless asked for, the dialog scale rule, and centring on first show.
#pragma once

#include <QDialog>

class TerminalDialog : public QDialog {
public:
    enum class TitleButtons { None, CloseOnly };

    explicit TerminalDialog(const QString& title, TitleButtons buttons = TitleButtons::None);

protected:
    // The designed client size; the dialog keeps it (scaled) for good.
    void setDesignedSize(int width, int height);
    // Scales by height / 600 on a wide screen, width / 800 otherwise, when ScaleToScreen is set.
    void applyDialogScaleRule();
    void showEvent(QShowEvent* event) override;

private:
    bool placed_ = false;
};

// Centres a window on the screen the first time it is shown; later showings keep its place.
void placeOnFirstShow(QWidget& window, bool& placed);
