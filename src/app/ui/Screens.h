#pragma once

#include <QStringView>
#include <QWidget>

// The screens created once at start-up, in the order of the creation table; each is kept in
// its global instance (frmAvvio, frmGiornale, ...) and registered under that name.
namespace Screens {

struct Entry {
    const char *className;  // "TfrmAvvio"
    QWidget *(*create)();   // creates the screen and stores it in its global instance
};

// Creates every screen of the table in order; the first is the main form, the one to show.
QWidget *createAll();
// The instance created at start-up under its global name ("frmGiornale"), or nullptr.
QWidget *find(const QString &globalName);
// Registers an instance under its objectName (also used by tests with stand-in screens).
void add(QWidget *instance);
void remove(QWidget *instance);

} // namespace Screens
