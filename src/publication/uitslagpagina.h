#pragma once
// The result page HTML/<group>.html, made as bytes from the result grid.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace platform {
class GridModel;
}

namespace publication {

// A colour 0xBBGGRR as the six hexadecimal digits RRGGBB of a page.
QString KleurTekst(std::uint32_t bgr);

// A text as it stands in the page: "&", "<", ">" and '"' as entities, and
// every character that Windows-1252 does not hold as a numeric reference.
QString HtmlTekst(const QString &tekst);

// The page of the grid under a title (the window's caption): a header row in
// pale green, then every row of the grid with each cell's width, alignment,
// font, colours and text. Windows-1252 bytes, every line ending in CR LF; the
// page names its character set.
QByteArray UitslagPagina(const platform::GridModel &grid, const QString &titel);

// The file names of a group file: every ".txt" replaced by ".html" or ".mail".
QString HTMLBestandNaam(const QString &groepBestand);
QString MailBestandNaam(const QString &groepBestand);

} // namespace publication
