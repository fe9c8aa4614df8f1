#include "frame/bas_vensters.h"

#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "platform/grid.h"
#include "platform/gridview.h"
#include "platform/units.h"

#include <QApplication>
#include <QFontMetricsF>
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

void GridKolomBreedte(platform::GridModel &grid, double pointSize) {
  const QFontMetricsF metrics(MeetFont(pointSize));
  for (int c = 0; c < grid.cols(); ++c) {
    grid.setCol(c);
    double widest = 0;
    for (int r = 0; r < grid.rows(); ++r) {
      grid.setRow(r);
      widest = std::max(widest, metrics.horizontalAdvance(grid.text() + u'W'));
    }
    grid.setColWidth(c, static_cast<int>(std::ceil(widest)) * platform::kTwipsPerPixel);
  }
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
