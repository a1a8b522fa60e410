// Opening a file in the desktop's default application for its kind, so the
// user can print it from there.
#pragma once

#include <QString>
#include <functional>

// The desktop file of the default application for a MIME type, empty when
// there is none.
using DefaultApplicationQuery = std::function<QString(const QString& mimeType)>;

// Asks xdg-mime; empty when xdg-mime is missing or fails.
QString xdgDefaultApplication(const QString& mimeType);
// An empty query restores xdgDefaultApplication.
void setDefaultApplicationQuery(DefaultApplicationQuery query);

// Throws when no application is set up for the MIME type. The desktop's
// opener may report success even when no application is there to take the
// file, so this is asked before anything is written for it.
void requireDesktopApplication(const QString& mimeType);
// Throws when the desktop does not take the file.
void openInDesktopApplication(const QString& path);
