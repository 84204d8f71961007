#pragma once

#include <QImage>

// Fixed pictures kept with the report layouts, by name ("titolo", "numero", "cartella").
namespace Pictures {
QImage image(const char *name); // a null image for an unknown name
}
