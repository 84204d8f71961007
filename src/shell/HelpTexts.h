#pragma once

#include <QString>

// Help topics: paragraphs joined by an empty line ("\r\n\r\n").
namespace HelpTexts {
QString join(std::initializer_list<const char *> paragraphs);
inline constexpr const char *kOverviewTitle = "Uno sguardo a Cantilog.";
QString overview();
} // namespace HelpTexts
