#include "startup/interaction.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {
// Message boxes carry the application's name as their title, like the
// information boxes the staff know.
QString boxTitle() { return QApplication::applicationName(); }
} // namespace

void WidgetInteraction::information(const QString& text)
{
    QMessageBox box(QMessageBox::Information, boxTitle(), text, QMessageBox::Ok);
    box.exec();
}

void WidgetInteraction::error(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, boxTitle(), text, QMessageBox::Ok);
    box.exec();
}

bool WidgetInteraction::confirmation(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

int WidgetInteraction::execModal(QDialog& dialog)
{
    return dialog.exec();
}

QString WidgetInteraction::openFileName(const QString& filter)
{
    return QFileDialog::getOpenFileName(nullptr, QString(), QString(), filter);
}
