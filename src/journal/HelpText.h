#pragma once

#include <QString>

// The one help topic of the four journal screens (menu, creation, chooser, page editor).
namespace JournalHelp {
QString title(); // "Gestione Cantilog."
QString text();  // paragraphs joined by an empty line
} // namespace JournalHelp
