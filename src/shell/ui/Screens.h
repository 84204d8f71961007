#pragma once

#include "foundation/ui/ScreenRegistry.h"

#include <span>

// The creation table: the screens created once at start-up, in order; each is kept in its
// global instance (frmAvvio, frmGiornale, ...) and registered under that name.
namespace Screens {

struct Entry {
    const char *className; // "TfrmAvvio"
    QWidget *(*create)();  // creates the screen and stores it in its global instance
};

// Creates every screen of the table in order; the first is the main form, the one to show.
QWidget *createAll();

// The table itself, in creation order.
std::span<const Entry> table();

} // namespace Screens
