#include "frame/vensterhulp.h"

#include "frame/frmzemlo01.h"
#include "platform/colors.h"
#include "platform/units.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace venster {

QRect twips(int left, int top, int width, int height) {
  return QRect(twips(left), twips(top), twips(width), twips(height));
}

int twips(int length) { return platform::twipsToPixels(length); }

QColor kleur(std::uint32_t bgr) { return platform::colorFromBgr(bgr); }

QPushButton *maakKnop(QWidget *parent, const char *name, const QRect &geometry) {
  auto *b = new QPushButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setGeometry(geometry);
  return b;
}

QLabel *maakLabel(QWidget *parent, const char *name, const QRect &geometry) {
  auto *l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(geometry);
  return l;
}

void centreer(QWidget *window) {
  const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen)
    return;
  const QRect area = screen->availableGeometry();
  window->move(area.x() + (area.width() - window->width()) / 2,
               area.y() + (area.height() - window->height()) / 2);
}

void neemIcoon(QWidget *window) {
  if (frmZemlo01 *main = frmZemlo01::instance())
    window->setWindowIcon(main->windowIcon());
}

Zandloper::Zandloper() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
Zandloper::~Zandloper() { QGuiApplication::restoreOverrideCursor(); }

} // namespace venster
