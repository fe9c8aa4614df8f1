#include "frame/bas_vensters.h"

#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "platform/grid.h"
#include "platform/gridview.h"
#include "platform/units.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>

#include <cmath>

namespace BAS_Zemlo {

void ZetFocus(QWidget *frm, QWidget *ctl) {
  if (!frm || !ctl || !frm->isVisible() || !frm->isEnabled())
    return;
  if (!ctl->isEnabled())
    return;
  // A control inside a hidden frame cannot be seen, so it must not take the keys.
  for (const QWidget *w = ctl; w && w != frm; w = w->parentWidget())
    if (w->isHidden())
      return;
  ctl->setFocus(Qt::OtherFocusReason);
}

void ZetQtTaal(int iQtTaal) {
  static QTranslator *vertaler = nullptr;
  if (vertaler) {
    QCoreApplication::removeTranslator(vertaler);
    delete vertaler;
    vertaler = nullptr;
  }
  const QString taal = iQtTaal == 11 ? QStringLiteral("en") : QStringLiteral("nl");
  auto *nieuw = new QTranslator;
  if (!nieuw->load(QStringLiteral("qtbase_") + taal,
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete nieuw;
    return;
  }
  QCoreApplication::installTranslator(nieuw);
  vertaler = nieuw;
}

QFont MeetFont(double pointSize) {
  QFont font = frmZemlo01::instance() ? frmZemlo01::instance()->font() : QApplication::font();
  if (pointSize > 0)
    font.setPointSizeF(pointSize);
  return font;
}

namespace {

// A text with its hash, so that looking a text up compares hashes before
// texts.
struct GehashteTekst {
  size_t hash;
  QString tekst;
  bool operator==(const GehashteTekst &ander) const {
    return hash == ander.hash && tekst == ander.tekst;
  }
};
size_t qHash(const GehashteTekst &t, size_t = 0) { return t.hash; }
using TekstBreedtes = QHash<GehashteTekst, double>;

// The width of every cell of a grid as GridKolomBreedte measures it, kept
// while the grid changes: fitting the columns again measures only the cells
// written since, a text once a column in a font, and looks at no other cell
// unless the widest one changed. It lives as a child of the grid.
class CelBreedtes : public QObject {
public:
  explicit CelBreedtes(platform::GridModel &grid) : QObject(&grid), m_grid(grid) {
    using platform::GridModel;
    connect(&grid, &GridModel::cellsChanged, this, &CelBreedtes::vergeet);
    connect(&grid, &GridModel::rowsInserted, this, [this](int first, int last) {
      const int aantal = last - first + 1;
      for (Kolom &kolom : m_kolommen) {
        kolom.breedtes.insert(first, aantal, kOngemeten);
        for (Bereik &bereik : kolom.open) {
          if (bereik.eerste >= first)
            bereik.eerste += aantal;
          if (bereik.laatste >= first)
            bereik.laatste += aantal;
        }
        kolom.open.append({first, last});
      }
    });
    connect(&grid, &GridModel::rowsRemoved, this, [this](int first, int last) {
      for (Kolom &kolom : m_kolommen) {
        for (int r = first; r <= last && r < kolom.breedtes.size(); ++r)
          if (kolom.breedtes[r] == kolom.breedst)
            kolom.volledig = true;
        kolom.breedtes.remove(first, last - first + 1);
        if (!kolom.open.isEmpty())
          kolom.volledig = true;
      }
    });
    for (auto signaal : {&GridModel::colsInserted, &GridModel::colsRemoved})
      connect(&grid, signaal, this, [this] { m_kolommen.clear(); });
    connect(&grid, &GridModel::reset, this, [this] { m_kolommen.clear(); });
  }

  static CelBreedtes &van(platform::GridModel &grid) {
    for (QObject *kind : grid.children())
      if (auto *breedtes = dynamic_cast<CelBreedtes *>(kind))
        return *breedtes;
    return *new CelBreedtes(grid);
  }

  // The widest text followed by "W" of each column, in pixels.
  QVector<double> breedste(const QFont &font) {
    const QString sleutel = font.key();
    if (sleutel != m_font) {
      m_font = sleutel;
      m_kolommen.clear();
      m_getallen.clear();
    }
    const int rijen = m_grid.rows(), kolommen = m_grid.cols();
    bool passend = m_kolommen.size() == kolommen;
    for (int c = 0; c < m_kolommen.size() && passend; ++c)
      passend = m_kolommen[c].breedtes.size() == rijen;
    if (!passend) {
      // The texts measured stay known; every cell is looked at again.
      m_kolommen.resize(kolommen);
      for (Kolom &kolom : m_kolommen) {
        kolom.breedtes = QVector<double>(rijen, kOngemeten);
        kolom.volledig = true;
      }
    }
    const QFontMetricsF metrics(font);
    QVector<double> uit(kolommen, 0);
    for (int c = 0; c < kolommen; ++c) {
      Kolom &kolom = m_kolommen[c];
      if (kolom.volledig) {
        kolom.breedst = 0;
        kolom.open = {{0, rijen - 1}};
        kolom.volledig = false;
      }
      for (const Bereik &bereik : std::as_const(kolom.open))
        for (int r = std::max(bereik.eerste, 0); r <= bereik.laatste && r < rijen; ++r) {
          double &breedte = kolom.breedtes[r];
          if (breedte == kOngemeten)
            breedte = meet(kolom.teksten, metrics, m_grid.cell(r, c).text);
          kolom.breedst = std::max(kolom.breedst, breedte);
        }
      kolom.open.clear();
      uit[c] = kolom.breedst;
    }
    return uit;
  }

private:
  static constexpr double kOngemeten = -1;
  static constexpr qsizetype kMeesteTeksten = 100000;

  struct Bereik {
    int eerste, laatste;
  };
  // A column: the width of each row's cell, kOngemeten for one written
  // since; the widest of the others, unless volledig asks to look at every
  // cell again (one that was the widest changed); and the rows written since.
  struct Kolom {
    QVector<double> breedtes;
    double breedst = 0;
    bool volledig = true;
    QVector<Bereik> open;
    TekstBreedtes teksten; // the texts measured in the column
  };

  void vergeet(int firstRow, int firstCol, int lastRow, int lastCol) {
    for (int c = std::max(firstCol, 0); c <= lastCol && c < m_kolommen.size(); ++c) {
      Kolom &kolom = m_kolommen[c];
      const int eerste = std::max(firstRow, 0);
      const int laatste = std::min<int>(lastRow, kolom.breedtes.size() - 1);
      for (int r = eerste; r <= laatste; ++r) {
        double &breedte = kolom.breedtes[r];
        if (breedte == kolom.breedst)
          kolom.volledig = true;
        breedte = kOngemeten;
      }
      if (eerste <= laatste)
        kolom.open.append({eerste, laatste});
    }
  }

  // The value of a text written as a count is written ("7", "2024"): digits
  // only, without a leading zero; -1 for any other text.
  static int alsGetal(const QString &tekst) {
    if (tekst.isEmpty() || tekst.size() > 5 || (tekst.size() > 1 && tekst[0] == u'0'))
      return -1;
    int waarde = 0;
    for (const QChar c : tekst) {
      if (c < u'0' || c > u'9')
        return -1;
      waarde = waarde * 10 + (c.unicode() - u'0');
    }
    return waarde;
  }

  double meet(TekstBreedtes &teksten, const QFontMetricsF &metrics, const QString &tekst) {
    // Counts, such as the numbers of rows, are looked up by their value.
    if (const int getal = alsGetal(tekst); getal >= 0) {
      if (getal >= m_getallen.size())
        m_getallen.resize(getal + 1, kOngemeten);
      double &breedte = m_getallen[getal];
      if (breedte == kOngemeten)
        breedte = metrics.horizontalAdvance(tekst + u'W');
      return breedte;
    }
    GehashteTekst sleutel{qHash(tekst), tekst};
    const auto gevonden = teksten.constFind(sleutel);
    if (gevonden != teksten.constEnd())
      return gevonden.value();
    if (teksten.size() >= kMeesteTeksten)
      teksten.clear();
    const double breedte = metrics.horizontalAdvance(tekst + u'W');
    teksten.insert(std::move(sleutel), breedte);
    return breedte;
  }

  platform::GridModel &m_grid;
  QVector<Kolom> m_kolommen;  // per column of the grid
  QVector<double> m_getallen; // the width of each count measured, by its value
  QString m_font;             // the font measured in
};

} // namespace

void GridKolomBreedte(platform::GridModel &grid, double pointSize) {
  const QVector<double> breedste = CelBreedtes::van(grid).breedste(MeetFont(pointSize));
  for (int c = 0; c < grid.cols(); ++c)
    grid.setColWidth(c, static_cast<int>(std::ceil(breedste[c])) * platform::kTwipsPerPixel);
  // The current cell ends in row 0 of the last column.
  if (grid.cols() > 0)
    grid.setCol(grid.cols() - 1);
  grid.setRow(0);
}

void GridKolomBreedte(platform::GridView *grid, double pointSize, NaMeten na) {
  if (!grid || !grid->grid())
    return;
  grid->hide();
  GridKolomBreedte(*grid->grid(), pointSize);
  if (na == NaMeten::Tonen)
    grid->show();
}

} // namespace BAS_Zemlo
