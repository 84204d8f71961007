#pragma once

#include <QString>
#include <QWidget>

// The screens created once at start-up, each registered under its global name ("frmGiornale").
namespace Screens {

// The instance created at start-up under its global name, or nullptr.
QWidget *find(const QString &globalName);
// Registers an instance under its objectName (also used by tests with stand-in screens).
void add(QWidget *instance);
void remove(QWidget *instance);

} // namespace Screens
