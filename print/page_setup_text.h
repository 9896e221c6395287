#pragma once

#include <QPageLayout>
#include <optional>
#include <string>

class QPrinter;

// The saved page setup: one line of text naming the paper (its id and its
// size in points), the orientation, the units and the margins in those units,
// for example
//   paper=A4;size=595.276x841.89;orientation=portrait;units=mm;margins=10,10,10,10
// Reading back a text this program wrote gives the same page layout, and
// writing that layout again gives the same text.

// The text for `layout`.
std::string PageSetupText(const QPageLayout& layout);

// The layout a text describes; nothing when the text was not written by
// PageSetupText (edited by hand, cut short, from another program). A trailing
// line end is tolerated.
std::optional<QPageLayout> PageLayoutFromText(const std::string& text);

// A4 portrait with 10 mm margins: the paper a Japanese company files its
// ledgers on, whatever the machine's locale prefers.
QPageLayout DefaultPageLayout();

// Gives `printer` the layout `settings` describe, or the default layout when
// they cannot be read (an empty text included).
void RestorePageSetup(QPrinter& printer, const std::string& settings);
