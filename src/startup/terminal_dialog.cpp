#include "startup/terminal_dialog.h"

#include "startup/environment.h"
#include "startup/program_state.h"
#include "startup/scaling.h"

TerminalDialog::TerminalDialog(const QString& title, TitleButtons buttons)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (buttons == TitleButtons::CloseOnly)
        flags |= Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(title);
}

void TerminalDialog::setDesignedSize(int width, int height)
{
    setFixedSize(width, height);
}

void TerminalDialog::applyDialogScaleRule()
{
    if (!ScaleToScreen)
        return;
    scaleWindow(*this, dialogFactor(environment().screenSize, WideScreen));
}

void TerminalDialog::showEvent(QShowEvent* event)
{
    placeOnFirstShow(*this, placed_);
    QDialog::showEvent(event);
}

void placeOnFirstShow(QWidget& window, bool& placed)
{
    if (placed)
        return;
    window.move(centredOnScreen(environment().screenSize, window.size()));
    placed = true;
}
